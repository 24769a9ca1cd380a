#include "controls/TesselListView.h"
#include "controls/VekDsgListBox.h"
#include "controls/VistaGradPanel.h"
#include "shell/FormVekRech.h"
#include "shell/MainCommands.h"
#include "storage/AccFile.h"

#include "support/ModalAnswerer.h"
#include "support/QtPrinters.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

#include <deque>

namespace {

// The main window with the invoice-file manager answered from a script.
class TScriptedWindow : public TFormVekRech
{
public:
    std::deque<TManagerResult> Script;
    int ManagerShown = 0;

    static TManagerResult Open(const QString &path, const QString &current)
    {
        return {true, path, current};
    }
    static TManagerResult Cancel(const QString &current) { return {false, QString(), current}; }

protected:
    TManagerResult RunAccManager() override
    {
        ++ManagerShown;
        if (Script.empty())
            return {false, QString(), State().AccFileName};
        TManagerResult next = Script.front();
        Script.pop_front();
        return next;
    }
};

TAccRecord Invoice(const char *id, const QString &name, const QString &legend)
{
    TAccRecord r = EmptyAccRecord();
    r.AccId.SetText(QString::fromLatin1(id));
    r.AccName.SetText(name);
    r.AccLegend.SetText(legend);
    return r;
}

class MainWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(QDir::homePath() + QStringLiteral("/.config/Zandivo")).removeRecursively();
        QDir(QDir::homePath() + QStringLiteral("/Documents/Zandivo")).removeRecursively();
        ASSERT_TRUE(Window.FormCreate());
        Data = Window.State().Paths.DataDirectory;
        Window.State().Clock.Pin(QDateTime(QDate(2026, 12, 11), QTime(10, 0)));
    }

    QString WriteFile(const QString &name, const TAccTable &table)
    {
        const QString path = Data + name + QStringLiteral(".rcc");
        WriteAccFile(path, table);
        return path;
    }

    QString TwoInvoices()
    {
        TAccTable table;
        ClearAccTable(table);
        table[0] = Invoice("001", QStringLiteral("Miete"), QStringLiteral("Wohnung"));
        table[1] = Invoice("002", QStringLiteral("Strom"), QString());
        return WriteFile(QStringLiteral("Haus"), table);
    }

    void OpenThroughManager(const QString &path)
    {
        Window.Script = {TScriptedWindow::Open(path, Window.State().AccFileName)};
        Window.mDatei_AccManagerClick();
    }

    template <typename T>
    T *Find(const char *name)
    {
        auto *w = Window.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    TModalAnswerer Answerer;
    TScriptedWindow Window;
    QString Data;
};

TEST_F(MainWindow, OpeningAFileFillsTheListWithNothingSelected)
{
    const QString path = TwoInvoices();
    OpenThroughManager(path);
    EXPECT_EQ(Window.State().AccFileName, path);
    auto *list = Find<TVekDsgListBox>("ListBoxAcc");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Miete#Wohnung"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Strom#"));
    EXPECT_EQ(Window.SelectedInvoice(), -1);
    EXPECT_FALSE(Find<QLineEdit>("Edit_Holder")->isEnabled());
    EXPECT_EQ(Find<TVistaGradPanel>("VPanelTitle")->Caption(), QStringLiteral("Haus"));
}

TEST_F(MainWindow, TypedTextReachesTheTableAndTheFileAtTheSaveMoments)
{
    const QString path = TwoInvoices();
    OpenThroughManager(path);
    Find<TVekDsgListBox>("ListBoxAcc")->setCurrentRow(0);
    ASSERT_EQ(Window.SelectedInvoice(), 0);
    auto *holder = Find<QLineEdit>("Edit_Holder");
    ASSERT_TRUE(holder->isEnabled());
    EXPECT_FALSE(Window.State().AccModified);

    QTest::keyClicks(holder, "Hausverwaltung");
    EXPECT_TRUE(Window.State().AccModified);
    EXPECT_EQ(Window.State().AccTable[0].BankHolder.Text(), QStringLiteral("Hausverwaltung"));
    EXPECT_EQ(ReadAccFile(path)[0].BankHolder.Text(), QString());

    // Selecting another invoice writes the file first.
    Find<TVekDsgListBox>("ListBoxAcc")->setCurrentRow(1);
    EXPECT_FALSE(Window.State().AccModified);
    EXPECT_EQ(ReadAccFile(path)[0].BankHolder.Text(), QStringLiteral("Hausverwaltung"));
    EXPECT_EQ(holder->text(), QString());

    // Closing writes what is left.
    QTest::keyClicks(Find<QLineEdit>("Edit12"), "info@example.org");
    Window.FormDestroy();
    EXPECT_EQ(ReadAccFile(path)[1].ContactEMail.Text(), QStringLiteral("info@example.org"));
}

TEST_F(MainWindow, TermRowsShowTheirState)
{
    TAccTable table;
    ClearAccTable(table);
    table[0] = Invoice("001", QStringLiteral("Miete"), QString());
    const char *dates[] = {"11.12.2026", "01.01.2020", "12.12.2026", "99.99.2026"};
    const int done[] = {0, 1, 0, 0};
    for (int t = 0; t < 4; ++t) {
        table[0].TermPayable[static_cast<std::size_t>(t)].SetText(QString::fromLatin1(dates[t]));
        table[0].TermAmount[static_cast<std::size_t>(t)].SetText(QStringLiteral("12.50 €"));
        table[0].TermDone[static_cast<std::size_t>(t)] = static_cast<std::uint8_t>(done[t]);
    }
    OpenThroughManager(WriteFile(QStringLiteral("Termine"), table));
    Window.resize(1000, 700);
    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    Find<TVekDsgListBox>("ListBoxAcc")->setCurrentRow(0);
    auto *terms = Find<TTesselListView>("ListViewTerms");
    ASSERT_EQ(terms->topLevelItemCount(), 4);
    EXPECT_EQ(terms->topLevelItem(0)->text(1), QStringLiteral("12.50 €"));
    terms->clearSelection();

    const QImage picture = terms->viewport()->grab().toImage();
    const QRgb expected[] = {0xF7C8C9, 0xB0E3C6, 0xE2DFCD, 0xE2DFCD};
    const char *why[] = {"due today", "settled long ago", "due tomorrow", "not a date"};
    for (int row = 0; row < 4; ++row) {
        const QRect rect = terms->visualItemRect(terms->topLevelItem(row));
        EXPECT_EQ(QColor(picture.pixel(2, rect.top() + 3)), QColor::fromRgb(expected[row])) << why[row];
    }
}

TEST_F(MainWindow, SplitterKeepsBothListsAtLeastTwoHundredWide)
{
    Window.resize(1000, 700);
    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    auto *splitter = Find<QSplitter>("SplitterDataList");
    for (const QList<int> &wanted : {QList<int>{50, 900}, QList<int>{900, 50}}) {
        splitter->setSizes(wanted);
        const QList<int> sizes = splitter->sizes();
        EXPECT_GE(sizes[0], 200);
        EXPECT_GE(sizes[1], 200);
    }
}

TEST_F(MainWindow, AFileThatCannotBeReadNeverBecomesCurrent)
{
    const QString good = TwoInvoices();
    OpenThroughManager(good);
    Window.State().AccTable[0].BankHolder.SetText(QStringLiteral("ungespeichert"));
    Window.State().AccModified = true;

    const QString damaged = Data + QStringLiteral("Kaputt.rcc");
    {
        QFile f(damaged);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, 'x'));
    }
    // Open the damaged file, see the error, then leave the manager.
    Window.Script = {TScriptedWindow::Open(damaged, good), TScriptedWindow::Cancel(good)};
    QSignalSpy closed(&Window, &TFormVekRech::Closed);
    const qsizetype before = Answerer.Seen().size();
    Window.mDatei_AccManagerClick();

    EXPECT_EQ(Window.ManagerShown, 3);
    EXPECT_EQ(Answerer.Texts().mid(before), QStringList{QStringLiteral("Versuch hinter dem Dateiende zu lesen.")});
    EXPECT_EQ(Answerer.Seen().last().Title, QStringLiteral("Zandivo"));
    EXPECT_EQ(Window.State().AccFileName, good);
    EXPECT_EQ(Window.State().AccTable[0].AccName.Text(), QStringLiteral("Miete"));
    // The pending change went to the right file before the manager opened.
    EXPECT_EQ(ReadAccFile(good)[0].BankHolder.Text(), QStringLiteral("ungespeichert"));
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(5000, 'x'));
    QCoreApplication::processEvents();
    EXPECT_EQ(closed.count(), 0);
}

TEST_F(MainWindow, LeavingTheManagerAtStartEndsTheProgram)
{
    QSignalSpy closed(&Window, &TFormVekRech::Closed);
    Window.Script = {TScriptedWindow::Cancel(QString())};
    Window.mDatei_AccManagerClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return closed.count() > 0; }, 2000));
}

TEST_F(MainWindow, ChosenFileThatVanishedIsCreatedEmpty)
{
    const QString gone = Data + QStringLiteral("Weg.rcc");
    OpenThroughManager(gone);
    EXPECT_EQ(Window.State().AccFileName, gone);
    EXPECT_EQ(QFile(gone).size(), AccFileSize);
    EXPECT_EQ(Find<TVekDsgListBox>("ListBoxAcc")->count(), 0);
}

TEST_F(MainWindow, RenamingTheCurrentFileIsFollowed)
{
    const QString path = TwoInvoices();
    OpenThroughManager(path);
    const QString renamed = Data + QStringLiteral("Wohnung.rcc");
    ASSERT_TRUE(QFile::rename(path, renamed));
    Window.Script = {TScriptedWindow::Cancel(renamed)};
    Window.mDatei_AccManagerClick();
    EXPECT_EQ(Window.State().AccFileName, renamed);
    EXPECT_EQ(Find<TVistaGradPanel>("VPanelTitle")->Caption(), QStringLiteral("Wohnung"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(MainWindow, InformationNamesTheVersionAndTheWayToTheMakers)
{
    QString version;
    QString web;
    Answerer.SetDialogHandler([&](QDialog *dialog) {
        version = dialog->findChild<QLabel *>(QStringLiteral("LabelVersion"))->text();
        web = dialog->findChild<QLabel *>(QStringLiteral("UrlLabel"))->text();
        dialog->accept();
    });
    Window.Commands().Action(QStringLiteral("mHilfe_Info"))->trigger();
    EXPECT_EQ(Answerer.Dialogs().last(), QStringLiteral("Information"));
    EXPECT_TRUE(version.startsWith(QStringLiteral("Version ")));
    EXPECT_TRUE(web.contains(QStringLiteral("zandivo")));
}

TEST_F(MainWindow, EveryCommandCarriesItsTexts)
{
    struct Case
    {
        const char *Name;
        const char16_t *Caption;
        const char *ShortCut;
        const char16_t *Hint;
        bool Enabled;
    };
    const Case cases[] = {
        {"mDatei_AccManager", u"&Rechnungsverwaltung", "Ctrl+R", u"Rechnungsdateien verwalten", true},
        {"mDatei_Close", u"&Beenden", "Ctrl+B", u"Programm beenden", true},
        {"mRechnung_Add", u"&Hinzufügen", "Ctrl+H", u"Neue Rechnung aufnehmen", true},
        {"mTermin_Delete", u"&Löschen", "Ctrl+Alt+L", u"Gewählten Zahlungstermin entfernen", false},
        {"mAusgabe_Transfer", u"Über&weisung", "F7", u"SEPA-Überweisungsschein als Vordruck", false},
        {"mCalendar_Back", u"Einen Monat &zurück", "Ctrl+Alt+Z", u"", true},
        {"TB_Calendar_Back", u"Kalender - einen Monat Zurück", "", u"Kalender - einen Monat Zurück", true},
        {"mAusgabe_Print", u"&Drucken", "F4", u"Übersicht aller Rechnungen", false},
        {"TB_AccManager", u"Rechnungsdateien verwalten", "", u"Rechnungsdateien verwalten", true},
    };
    for (const Case &c : cases) {
        QAction *a = Window.Commands().Action(QString::fromLatin1(c.Name));
        EXPECT_EQ(a->text(), QString::fromUtf16(c.Caption)) << c.Name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(c.ShortCut))) << c.Name;
        EXPECT_EQ(a->statusTip(), QString::fromUtf16(c.Hint)) << c.Name;
        EXPECT_EQ(a->isEnabled(), c.Enabled) << c.Name;
    }
}

} // namespace
