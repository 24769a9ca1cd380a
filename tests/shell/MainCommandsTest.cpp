// The invoice and term commands of the main window, driven through their
// dialogs as a user would.
#include "controls/TesselListView.h"
#include "controls/VekDsgListBox.h"
#include "controls/VistaGradPanel.h"
#include "shell/FormVekRech.h"
#include "shell/MainCommands.h"
#include "storage/AccFile.h"
#include "terms/AccOperations.h"

#include "support/ModalAnswerer.h"
#include "support/QtPrinters.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

namespace {

const QDate Today(2026, 12, 11);

// What the user does in the invoice or term dialog.
struct TDialogInput
{
    QString Name;
    QString Legend;
    QString Due;        // "dd.mm.yyyy", empty to keep
    QString Amount;     // typed into the amount field, empty to keep
    bool Cancel = false;
};

class MainCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(QDir::homePath() + QStringLiteral("/.config/Zandivo")).removeRecursively();
        QDir(QDir::homePath() + QStringLiteral("/Documents/Zandivo")).removeRecursively();
        ASSERT_TRUE(Window.FormCreate());
        Window.State().Clock.Pin(QDateTime(Today, QTime(10, 0)));
        Answerer.SetDialogHandler([this](QDialog *dialog) { Answer(dialog); });
    }

    void Answer(QDialog *dialog)
    {
        // The manager opens when the shown window is first activated; the
        // file of the test is already open.
        auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("btnOK"));
        if (ok == nullptr) {
            dialog->reject();
            return;
        }
        Dialogs << dialog->windowTitle();
        const TDialogInput input = Inputs.isEmpty() ? TDialogInput{} : Inputs.takeFirst();
        if (input.Cancel) {
            dialog->reject();
            return;
        }
        if (auto *name = dialog->findChild<QComboBox *>(QStringLiteral("ComboName")); name && !input.Name.isNull())
            name->setEditText(input.Name);
        if (auto *legend = dialog->findChild<QLineEdit *>(QStringLiteral("EditLegende")); legend && !input.Legend.isNull())
            legend->setText(input.Legend);
        if (auto *due = dialog->findChild<QDateEdit *>(QStringLiteral("EditPayable")); due && !input.Due.isEmpty())
            due->setDate(QDate::fromString(input.Due, QStringLiteral("dd.MM.yyyy")));
        if (auto *amount = dialog->findChild<QLineEdit *>(QStringLiteral("EditAmount")); amount && !input.Amount.isEmpty()) {
            amount->clear();
            QTest::keyClicks(amount, input.Amount);
        }
        ok->click();
    }

    void Open(const TAccTable &table)
    {
        const QString path = Window.State().Paths.DataDirectory + QStringLiteral("Test.rcc");
        WriteAccFile(path, table);
        Window.State().OpenAccFile(path);
        Window.Reload();
    }

    static TAccTable Invoices(int count)
    {
        TAccTable table;
        ClearAccTable(table);
        for (int i = 0; i < count; ++i)
            AddAccRecord(table, QStringLiteral("Rechnung %1").arg(i + 1), QStringLiteral("Text %1").arg(i + 1));
        return table;
    }

    void Trigger(const char *name)
    {
        Window.Timer1Timer();
        Window.Commands().Action(QString::fromLatin1(name))->trigger();
    }

    bool Enabled(const char *name)
    {
        Window.Timer1Timer();
        return Window.Commands().Action(QString::fromLatin1(name))->isEnabled();
    }

    TVekDsgListBox *AccList() { return Window.findChild<TVekDsgListBox *>(QStringLiteral("ListBoxAcc")); }
    TTesselListView *TermList() { return Window.findChild<TTesselListView *>(QStringLiteral("ListViewTerms")); }

    QStringList Entries()
    {
        QStringList entries;
        for (int i = 0; i < AccList()->count(); ++i)
            entries << AccList()->item(i)->text();
        return entries;
    }

    QStringList TermColumn(int column)
    {
        QStringList texts;
        for (int i = 0; i < TermList()->topLevelItemCount(); ++i)
            texts << TermList()->topLevelItem(i)->text(column);
        return texts;
    }

    TAccTable OnDisk() { return ReadAccFile(Window.State().AccFileName); }

    QStringList NewMessages()
    {
        const QStringList texts = Answerer.Texts().mid(m_seenBefore);
        m_seenBefore = Answerer.Texts().size();
        return texts;
    }

    void ForgetMessages() { m_seenBefore = Answerer.Texts().size(); }

    TModalAnswerer Answerer{[](const TSeenMessage &) { return QMessageBox::Yes; }};
    QList<TDialogInput> Inputs;
    QStringList Dialogs;
    TFormVekRech Window;

private:
    qsizetype m_seenBefore = 0;
};

TEST_F(MainCommands, AddStopsAtThirtyInvoices)
{
    Open(Invoices(29));
    ForgetMessages();
    Inputs = {{QStringLiteral("Neu"), QStringLiteral("Dreißigste"), {}, {}}};
    Trigger("mRechnung_Add");
    EXPECT_EQ(Dialogs, QStringList{QStringLiteral("Neue Rechnung hinzufügen...")});
    EXPECT_EQ(AccList()->count(), 30);
    EXPECT_EQ(Window.SelectedInvoice(), 29);
    EXPECT_TRUE(Window.State().AccModified);
    EXPECT_EQ(Window.findChild<TVistaGradPanel *>(QStringLiteral("VStatusInfo"))->Caption(),
              QStringLiteral("30 Rechnungen vorhanden"));

    // Still enabled, but refused with its message.
    EXPECT_TRUE(Enabled("mRechnung_Add"));
    Trigger("mRechnung_Add");
    EXPECT_EQ(NewMessages(), QStringList{QStringLiteral(
                                 "Es können keine Rechnungen mehr hinzugefügt werden!\n"
                                 "Bitte erstellen Sie eine neue Rechnungsdatei.")});
    EXPECT_EQ(AccList()->count(), 30);
}

TEST_F(MainCommands, DeleteWritesAtOnceAndItsNumberIsGivenOutAgain)
{
    Open(Invoices(3));
    AccList()->setCurrentRow(1);
    ForgetMessages();
    Trigger("mRechnung_Delete");
    EXPECT_EQ(NewMessages(), QStringList{QStringLiteral("Soll die Rechnung gelöscht werden?")});
    EXPECT_EQ(Entries(), (QStringList{"Rechnung 1#Text 1", "Rechnung 3#Text 3"}));
    EXPECT_EQ(Window.SelectedInvoice(), -1);
    EXPECT_FALSE(Window.State().AccModified);
    const TAccTable disk = OnDisk();
    EXPECT_EQ(disk[1].AccName.Text(), QStringLiteral("Rechnung 3"));
    EXPECT_FALSE(disk[2].IsUsed());
    EXPECT_FALSE(Window.findChild<QLineEdit *>(QStringLiteral("Edit_Holder"))->isEnabled());

    Inputs = {{QStringLiteral("Wasser"), QString(), {}, {}}};
    Trigger("mRechnung_Add");
    EXPECT_EQ(Window.State().AccTable[2].AccId.Text(), QStringLiteral("002"));
}

TEST_F(MainCommands, NamesOfOtherInvoicesAreRefusedWithoutRegardToCase)
{
    Open(Invoices(2));
    ForgetMessages();
    Inputs = {{QStringLiteral("RECHNUNG 1"), QStringLiteral("anders"), {}, {}}};
    Trigger("mRechnung_Add");
    EXPECT_EQ(NewMessages(), QStringList{QStringLiteral(
                                 "Es existiert bereits eine gleichnamige Rechnung!\nBenutzen Sie bitte einen anderen Namen.")});
    EXPECT_EQ(AccList()->count(), 2);

    // Confirming the edit dialog unchanged counts as the same invoice.
    AccList()->setCurrentRow(0);
    Inputs = {{}};
    Trigger("mRechnung_Edit");
    EXPECT_EQ(Dialogs.last(), QStringLiteral("Rechnung bearbeiten..."));
    EXPECT_EQ(NewMessages().size(), 1);
    EXPECT_FALSE(Window.State().AccModified);

    // Another invoice's name with a different description is fine.
    Inputs = {{QStringLiteral("Rechnung 2"), QStringLiteral("neu"), {}, {}}};
    Trigger("mRechnung_Edit");
    EXPECT_TRUE(NewMessages().isEmpty());
    EXPECT_EQ(Entries().first(), QStringLiteral("Rechnung 2#neu"));
    EXPECT_EQ(Window.SelectedInvoice(), 0);
}

TEST_F(MainCommands, MovesKeepTheInvoiceSelected)
{
    Open(Invoices(3));
    AccList()->setCurrentRow(0);
    EXPECT_FALSE(Enabled("mRechnung_Move_Up"));
    Trigger("mRechnung_Move_Down");
    EXPECT_EQ(Entries(), (QStringList{"Rechnung 2#Text 2", "Rechnung 1#Text 1", "Rechnung 3#Text 3"}));
    EXPECT_EQ(Window.SelectedInvoice(), 1);
    EXPECT_EQ(Window.State().AccTable[1].AccName.Text(), QStringLiteral("Rechnung 1"));
    EXPECT_TRUE(Window.State().AccModified);
    // Typing now reaches the moved invoice at its new place.
    QTest::keyClicks(Window.findChild<QLineEdit *>(QStringLiteral("Edit_BIC")), "BIC1");
    EXPECT_EQ(Window.State().AccTable[1].BankBIC.Text(), QStringLiteral("BIC1"));
    EXPECT_TRUE(Window.State().AccTable[0].BankBIC.IsEmpty());
}

TEST_F(MainCommands, TermsKeepTheirEntryOrderAndTypedAmounts)
{
    Open(Invoices(1));
    AccList()->setCurrentRow(0);
    Inputs = {{{}, {}, {}, {}}, {{}, {}, QStringLiteral("01.03.2027"), QStringLiteral("12,5")},
              {{}, {}, QStringLiteral("01.01.2027"), QStringLiteral("7")},
              {{}, {}, QStringLiteral("01.02.2027"), QStringLiteral("1.2.3")}};
    for (int i = 0; i < 4; ++i)
        Trigger("mTermin_Add");
    EXPECT_EQ(Dialogs.first(), QStringLiteral("Zahlungstermin hinzufügen..."));
    EXPECT_EQ(TermColumn(0), (QStringList{"11.12.2026", "01.03.2027", "01.01.2027", "01.02.2027"}));
    EXPECT_EQ(TermColumn(1), (QStringList{"0.00 €", "12.5 €", "7 €", "1.2.3 €"}));
    EXPECT_EQ(Window.State().AccTable[0].TermAmount[1].Len, 6);
    // The new row is not selected.
    EXPECT_EQ(TermList()->selectedItems().size(), 0);
    // The next-terms box was rebuilt with the first open term.
    EXPECT_TRUE(Window.findChild<QTextEdit *>(QStringLiteral("RichEditNextTerms"))->toPlainText().contains(
        QStringLiteral("11.12.2026 (0,00 €)")));
}

TEST_F(MainCommands, SixteenTermsDisableAdd)
{
    TAccTable table = Invoices(1);
    for (int t = 0; t < MaxTerms - 1; ++t)
        SetTerm(table[0], t, {QStringLiteral("01.01.2027"), QStringLiteral("1"), QString(), QString(), false});
    Open(table);
    AccList()->setCurrentRow(0);
    EXPECT_TRUE(Enabled("mTermin_Add"));
    Inputs = {{}};
    Trigger("mTermin_Add");
    EXPECT_EQ(TermList()->topLevelItemCount(), 16);
    EXPECT_FALSE(Enabled("mTermin_Add"));
    EXPECT_FALSE(Enabled("TB_Termin_Add"));
}

TEST_F(MainCommands, DeleteOfATermMovesTheLaterOnesWithTheirFlags)
{
    TAccTable table = Invoices(1);
    for (int t = 0; t < 5; ++t)
        SetTerm(table[0], t, {QStringLiteral("0%1.01.2027").arg(t + 1), QStringLiteral("1"), QString(), QString(),
                              t % 2 == 0});
    Open(table);
    AccList()->setCurrentRow(0);
    TermList()->setCurrentItem(TermList()->topLevelItem(1));
    Trigger("mTermin_Delete");
    EXPECT_EQ(TermColumn(0), (QStringList{"01.01.2027", "03.01.2027", "04.01.2027", "05.01.2027"}));
    const TAccRecord &record = Window.State().AccTable[0];
    EXPECT_TRUE(record.IsTermDone(1));
    EXPECT_FALSE(record.IsTermDone(2));
    EXPECT_TRUE(record.IsTermDone(3));
    EXPECT_TRUE(record.TermPayable[4].IsEmpty());
    EXPECT_EQ(record.TermDone[4], 0);
    EXPECT_EQ(TermList()->selectedItems().size(), 0);
}

TEST_F(MainCommands, MovingATermKeepsItSelectedAndLeavesTheNextTerms)
{
    TAccTable table = Invoices(1);
    SetTerm(table[0], 0, {QStringLiteral("01.01.2027"), QStringLiteral("1"), QString(), QString(), false});
    SetTerm(table[0], 1, {QStringLiteral("01.02.2027"), QStringLiteral("2"), QString(), QString(), false});
    Open(table);
    AccList()->setCurrentRow(0);
    auto *next = Window.findChild<QTextEdit *>(QStringLiteral("RichEditNextTerms"));
    const QString before = next->toPlainText();
    TermList()->setCurrentItem(TermList()->topLevelItem(1));
    Trigger("mTermin_Move_Up");
    EXPECT_EQ(TermColumn(0), (QStringList{"01.02.2027", "01.01.2027"}));
    EXPECT_EQ(TermList()->indexOfTopLevelItem(TermList()->currentItem()), 0);
    EXPECT_TRUE(TermList()->currentItem()->isSelected());
    EXPECT_EQ(next->toPlainText(), before);
}

TEST_F(MainCommands, KeysOfTheListsRunTheirCommands)
{
    TAccTable table = Invoices(2);
    SetTerm(table[0], 0, {QStringLiteral("01.01.2027"), QStringLiteral("1"), QString(), QString(), false});
    Open(table);
    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    AccList()->setCurrentRow(0);

    // Enter in the term list edits the selected term.
    TermList()->setFocus();
    TermList()->setCurrentItem(TermList()->topLevelItem(0));
    Inputs = {{{}, {}, {}, QStringLiteral("99")}};
    QTest::keyClick(TermList(), Qt::Key_Return);
    EXPECT_EQ(Dialogs.last(), QStringLiteral("Zahlungstermin bearbeiten..."));
    EXPECT_EQ(TermColumn(1), QStringList{QStringLiteral("99 €")});

    // Enter in the invoice list edits, Delete deletes after the question.
    AccList()->setFocus();
    Inputs = {{QStringLiteral("Umbenannt"), QString(), {}, {}}};
    QTest::keyClick(AccList(), Qt::Key_Return);
    EXPECT_EQ(Dialogs.last(), QStringLiteral("Rechnung bearbeiten..."));
    EXPECT_EQ(Entries().first(), QStringLiteral("Umbenannt#Text 1"));
    ForgetMessages();
    QTest::keyClick(AccList(), Qt::Key_Delete);
    EXPECT_EQ(NewMessages(), QStringList{QStringLiteral("Soll die Rechnung gelöscht werden?")});
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("Rechnung 2#Text 2")});
}

TEST_F(MainCommands, StateTimerFollowsTheSelection)
{
    TAccTable table = Invoices(31);
    for (int t = 0; t < 3; ++t)
        SetTerm(table[1], t, {QStringLiteral("01.01.2027"), QStringLiteral("1"), QString(), QString(), false});
    Open(table);
    struct Row
    {
        int Invoice;
        int Term;
        std::vector<std::pair<const char *, bool>> Expected;
    };
    const Row rows[] = {
        {-1, -1, {{"mRechnung_Add", false}, {"TB_Rechnung_Add", false}, {"mRechnung_Edit", false},
                  {"mRechnung_Delete", false}, {"mRechnung_Move_Up", false}, {"mRechnung_Move_Down", false},
                  {"mTermin_Add", false}, {"mTermin_Edit", false}}},
        {0, -1, {{"mRechnung_Edit", true}, {"TB_Rechnung_Delete", true}, {"mRechnung_Move_Up", false},
                 {"mRechnung_Move_Down", true}, {"mTermin_Add", true}, {"mTermin_Delete", false}}},
        {30, -1, {{"mRechnung_Move_Up", true}, {"mRechnung_Move_Down", false}}},
        {1, 0, {{"mTermin_Edit", true}, {"TB_Termin_Delete", true}, {"mTermin_Move_Up", false},
                {"mTermin_Move_Down", true}}},
        {1, 2, {{"mTermin_Move_Up", true}, {"mTermin_Move_Down", false}}},
    };
    for (const Row &row : rows) {
        if (row.Invoice >= 0)
            AccList()->setCurrentRow(row.Invoice);
        if (row.Term >= 0)
            TermList()->setCurrentItem(TermList()->topLevelItem(row.Term));
        for (const auto &[name, enabled] : row.Expected)
            EXPECT_EQ(Enabled(name), enabled) << name << " with invoice " << row.Invoice << ", term " << row.Term;
    }
}

TEST_F(MainCommands, EditingATermWithADamagedDateIsReported)
{
    TAccTable table = Invoices(1);
    SetTerm(table[0], 0, {QStringLiteral("99.99.2026"), QStringLiteral("1"), QString(), QString(), false});
    Open(table);
    AccList()->setCurrentRow(0);
    TermList()->setCurrentItem(TermList()->topLevelItem(0));
    ForgetMessages();
    Trigger("mTermin_Edit");
    EXPECT_EQ(NewMessages(), QStringList{QStringLiteral("'99.99.2026' ist kein gültiges Datum.")});
    EXPECT_TRUE(Dialogs.isEmpty());
}

} // namespace
