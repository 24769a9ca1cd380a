#include "shell/CommandGuard.h"
#include "shell/FormVekRech.h"
#include "shell/HelpTopics.h"
#include "shell/HelpWindow.h"
#include "shell/MessageDialogs.h"
#include "shell/SingleInstance.h"
#include "shell/Startup.h"
#include "storage/IoError.h"
#include "support/ModalAnswerer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

QString ConfigFolder()
{
    return QDir::homePath() + QStringLiteral("/.config/Zandivo/");
}

QString DocumentsData()
{
    return QDir::homePath() + QStringLiteral("/Documents/Zandivo/");
}

void WriteIni(const QByteArray &content)
{
    QDir().mkpath(ConfigFolder());
    QFile f(ConfigFolder() + QStringLiteral("VekRech.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

// Messages other than the no-printer warning, which depends on the machine.
QStringList WithoutPrinterWarning(const QStringList &texts)
{
    QStringList out;
    for (const QString &t : texts) {
        if (!t.startsWith(QStringLiteral("Es wurde kein Drucker gefunden!")))
            out << t;
    }
    return out;
}

class Startup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(ConfigFolder()).removeRecursively();
        QDir(DocumentsData()).removeRecursively();
    }
};

TEST_F(Startup, SecondStartIsRefusedAndTheFirstRunsOn)
{
    const TSingleInstance first(TSingleInstance::DefaultLockFolder());
    ASSERT_TRUE(first.IsFirst());

    TModalAnswerer answerer;
    EXPECT_EQ(RunZandivo(*qApp), 0);
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].Text, QStringLiteral("Zandivo wurde bereits gestartet!"));
    // The refused start wrote nothing and left the lock to the first.
    EXPECT_FALSE(QFile::exists(ConfigFolder() + QStringLiteral("VekRech.ini")));
    const TSingleInstance third(TSingleInstance::DefaultLockFolder());
    EXPECT_FALSE(third.IsFirst());
}

TEST_F(Startup, FreshUserGetsTheDefaultsAndAFullSettingsFile)
{
    TModalAnswerer answerer;
    {
        TFormVekRech window;
        ASSERT_TRUE(window.FormCreate());
        const TAppState &state = window.State();
        EXPECT_EQ(state.Paths.DataDirectory, DocumentsData());
        EXPECT_TRUE(QDir(DocumentsData()).exists());
        EXPECT_TRUE(QDir(ConfigFolder()).exists());
        EXPECT_EQ(window.pos(), QPoint(12, 20));
        EXPECT_EQ(window.size(), QSize(1000, 700));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Zandivo"));
        EXPECT_EQ(state.Settings.Region, 0);
        EXPECT_EQ(state.AppFormatSettings.FormatMoney(1234.5), QStringLiteral("1.234,50 €"));
        EXPECT_FALSE(state.AccModified);
        EXPECT_FALSE(state.OwnAccounts[0].IsUsed());
        window.FormDestroy();
    }
    // The help file lies beside the program: no complaint about it.
    EXPECT_EQ(WithoutPrinterWarning(answerer.Texts()), QStringList());

    const QSettings ini(ConfigFolder() + QStringLiteral("VekRech.ini"), QSettings::IniFormat);
    for (const char *key : {"WINDOW/Maximized", "WINDOW/Left", "WINDOW/Top", "WINDOW/Width", "WINDOW/Height",
                            "DATAPATH/Default", "DATAPATH/Other", "SPLITTER/Acc", "CURRENCY/String", "LAND/Region",
                            "HOLIDAYS/Show", "DIAGRAM/Height", "DIAGRAM/Colors", "PRINTER/Index"})
        EXPECT_TRUE(ini.contains(QString::fromLatin1(key))) << key;
    EXPECT_FALSE(ini.childGroups().contains(QStringLiteral("BACKUP")));
    EXPECT_EQ(ini.value("WINDOW/Width").toInt(), 1000);
}

TEST_F(Startup, SettingsPlaceTheWindowAndTheCurrency)
{
    WriteIni("[WINDOW]\nLeft=-50\nTop=30\nWidth=900\nHeight=650\n[CURRENCY]\nString=EUR\n[LAND]\nRegion=25\n");
    TModalAnswerer answerer;
    TFormVekRech window;
    ASSERT_TRUE(window.FormCreate());
    EXPECT_EQ(window.pos(), QPoint(0, 30));
    EXPECT_EQ(window.size(), QSize(900, 650));
    EXPECT_EQ(window.State().Settings.Region, 0);
    EXPECT_EQ(window.State().AppFormatSettings.FormatMoney(-2.5), QStringLiteral("-2,50 EUR"));
}

TEST_F(Startup, ClosingMaximizedKeepsTheNormalGeometryInTheFile)
{
    WriteIni("[WINDOW]\nLeft=33\nTop=44\nWidth=1111\nHeight=777\nMaximized=1\n");
    TModalAnswerer answerer;
    {
        TFormVekRech window;
        ASSERT_TRUE(window.FormCreate());
        window.ShowAsSaved();
        EXPECT_TRUE(window.isMaximized());
        window.FormDestroy();
    }
    const QSettings ini(ConfigFolder() + QStringLiteral("VekRech.ini"), QSettings::IniFormat);
    EXPECT_EQ(ini.value("WINDOW/Maximized").toInt(), 1);
    EXPECT_EQ(ini.value("WINDOW/Left").toInt(), 33);
    EXPECT_EQ(ini.value("WINDOW/Width").toInt(), 1111);
    EXPECT_EQ(ini.value("WINDOW/Height").toInt(), 777);
}

TEST_F(Startup, DataDirectoryThatCannotBeCreatedEndsTheStart)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    WriteIni("[DATAPATH]\nDefault=0\nOther=" + QFile::encodeName(blocker.fileName()) + "/Zandivo\n");

    TModalAnswerer answerer;
    TFormVekRech window;
    EXPECT_FALSE(window.FormCreate());
    const QStringList texts = WithoutPrinterWarning(answerer.Texts());
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0], QStringLiteral("Verzeichnis für Daten konnte nicht angelegt werden!"));
    EXPECT_EQ(answerer.Seen().last().Title, QStringLiteral("Fehlermeldung"));
}

TEST_F(Startup, UnreachableShareAsksAndCancelEndsTheStart)
{
    WriteIni("[DATAPATH]\nDefault=0\nOther=//zandivo-test.invalid/share/Zandivo\n");
    const QString expected = QStringLiteral(
        "Verbindung zum Netzwerkordner konnte nicht hergestellt werden!\n\n\"//zandivo-test.invalid/share/Zandivo/\"\n\n"
        "Bitte prüfen Sie, ob das Netzwerk betriebsbereit ist und stellen Sie die Verbindung her.");

    for (const auto answer : {QMessageBox::Cancel, QMessageBox::Ok}) {
        TModalAnswerer answerer([&](const TSeenMessage &m) {
            return m.Text.startsWith(QStringLiteral("Verbindung")) ? answer : QMessageBox::NoButton;
        });
        TFormVekRech window;
        EXPECT_FALSE(window.FormCreate());
        QStringList texts = WithoutPrinterWarning(answerer.Texts());
        ASSERT_FALSE(texts.isEmpty());
        EXPECT_EQ(texts.takeFirst(), expected);
        EXPECT_EQ(answerer.Seen().last().Buttons.contains(QStringLiteral("Abbrechen")), answer == QMessageBox::Cancel);
        // OK goes on and then fails on the folder it cannot reach.
        if (answer == QMessageBox::Ok) {
            EXPECT_EQ(texts, QStringList{QStringLiteral("Verzeichnis für Daten konnte nicht angelegt werden!")});
        } else {
            EXPECT_TRUE(texts.isEmpty());
        }
    }
}

TEST_F(Startup, ProgramDataFolderThatCannotBeCreatedEndsTheStart)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("config")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName()));

    TModalAnswerer answerer;
    bool started = true;
    {
        TFormVekRech window;
        started = window.FormCreate();
    }
    qputenv("XDG_CONFIG_HOME", saved);
    EXPECT_FALSE(started);
    EXPECT_EQ(WithoutPrinterWarning(answerer.Texts()),
              QStringList{QStringLiteral("Verzeichnis für Programmdaten konnte nicht angelegt werden!")});
}

TEST_F(Startup, DamagedOwnAccountFileIsToldAndTheStartGoesOn)
{
    QDir().mkpath(ConfigFolder());
    {
        TOwnAccounts accounts;
        accounts.fill(TOwnBankRecord{});
        accounts[0].OwnName.SetText(QStringLiteral("Girokonto"));
        accounts[0].OwnIBAN.SetText(QStringLiteral("DE02120300000000202051"));
        SaveOwnAccounts(ConfigFolder() + QStringLiteral("bankdata.own"), accounts);
        QFile::resize(ConfigFolder() + QStringLiteral("bankdata.own"), 1000);
    }
    TModalAnswerer answerer;
    TFormVekRech window;
    ASSERT_TRUE(window.FormCreate());
    const QStringList texts = WithoutPrinterWarning(answerer.Texts());
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("Versuch hinter dem Dateiende zu lesen."))) << texts[0].toStdString();
    EXPECT_EQ(window.State().OwnAccounts[0].OwnIBAN.Text(), QStringLiteral("DE02120300000000202051"));
}

TEST_F(Startup, ChangedInvoicesAreWrittenAtTheEnd)
{
    TModalAnswerer answerer;
    const QString file = DocumentsData() + QStringLiteral("Haus.rcc");
    {
        TFormVekRech window;
        ASSERT_TRUE(window.FormCreate());
        TAppState &state = window.State();
        state.AccFileName = file;
        state.AccTable[0].AccId.SetText(QStringLiteral("001"));
        state.AccTable[0].AccName.SetText(QStringLiteral("Strom"));
        state.AccModified = true;
    }
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(ReadAccFile(file)[0].AccName.Text(), QStringLiteral("Strom"));
}

TEST_F(Startup, FirstActivationOpensTheManagerAndLeavingItWithoutAFileEnds)
{
    TModalAnswerer answerer;
    TFormVekRech window;
    ASSERT_TRUE(window.FormCreate());
    QSignalSpy activated(&window, &TFormVekRech::FirstActivation);
    QSignalSpy closed(&window, &TFormVekRech::Closed);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return closed.count() > 0; }, 5000));
    EXPECT_EQ(activated.count(), 1);
    EXPECT_EQ(answerer.Dialogs(), QStringList{QStringLiteral("Rechnungsverwaltung")});
}

TEST(MessageDialogs, CaptionsFollowTheSymbol)
{
    const std::pair<TMsgSymbol, const char16_t *> cases[] = {
        {TMsgSymbol::Error, u"Fehlermeldung"},
        {TMsgSymbol::Question, u"Bestätigung"},
        {TMsgSymbol::Warning, u"Hinweis"},
        {TMsgSymbol::Information, u"Information"},
    };
    for (const auto &[symbol, caption] : cases) {
        TModalAnswerer answerer;
        MessageDlg(nullptr, QStringLiteral("Text"), symbol);
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_EQ(answerer.Seen()[0].Title, QString::fromUtf16(caption));
    }
}

TEST(MessageDialogs, QuestionsAnswerInGerman)
{
    TModalAnswerer answerer([](const TSeenMessage &) { return QMessageBox::No; });
    EXPECT_EQ(MessageDlg(nullptr, QStringLiteral("Löschen?"), TMsgSymbol::Question,
                         QMessageBox::Yes | QMessageBox::No),
              QMessageBox::No);
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].Buttons, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
}

TEST(ErrorReport, AddsAFullStopOnlyAfterCharactersThatSortAfterIt)
{
    const std::pair<const char16_t *, const char16_t *> cases[] = {
        {u"E/A-Fehler 5", u"E/A-Fehler 5."},
        {u"Dateizugriff verweigert", u"Dateizugriff verweigert."},
        {u"Fertig.", u"Fertig."},
        {u"Achtung!", u"Achtung!"},
        {u"Wirklich?", u"Wirklich?."},
        {u"Ende)", u"Ende)"},
        {u"", u""},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(ErrorReportText(QString::fromUtf16(in)), QString::fromUtf16(out));
}

TEST(ErrorReport, CommandFailuresReachTheReportAndTheProgramGoesOn)
{
    TModalAnswerer answerer;
    const bool done = RunCommand(nullptr, [] { throw EInOutError::FromErrno(EIO); });
    EXPECT_FALSE(done);
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].Title, QStringLiteral("Zandivo"));
    EXPECT_EQ(answerer.Seen()[0].Text, QStringLiteral("E/A-Fehler 5."));
    EXPECT_EQ(answerer.Seen()[0].Icon, QMessageBox::Critical);
    EXPECT_TRUE(RunCommand(nullptr, [] {}));
}

TEST(Help, EveryTopicHasItsAnchor)
{
    QFile help(ProgramPaths().HelpFile);
    ASSERT_TRUE(help.open(QIODevice::ReadOnly)) << help.fileName().toStdString();
    const QString html = QString::fromUtf8(help.readAll());
    for (const int topic : {HelpTopic::Contents, HelpTopic::AccManagerEmpty, HelpTopic::AccManager,
                            HelpTopic::AccDialog, HelpTopic::TermDialog, HelpTopic::PinNote, HelpTopic::Documents,
                            HelpTopic::OwnAccounts, HelpTopic::Backup, HelpTopic::Region, HelpTopic::DataPath})
        EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(topic))) << topic;
}

TEST(Help, ShowsTheTopicInOneWindow)
{
    QWidget owner;
    ShowHelp(&owner, ProgramPaths().HelpFile, HelpTopic::TermDialog);
    ShowHelp(&owner, ProgramPaths().HelpFile, HelpTopic::DataPath);
    const auto windows = owner.findChildren<THelpWindow *>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows[0]->Browser()->source().fragment(), QStringLiteral("1016"));
    EXPECT_TRUE(windows[0]->Browser()->toPlainText().contains(QStringLiteral("Das Datenverzeichnis")));
}

TEST(Help, MissingHelpFileIsTold)
{
    TModalAnswerer answerer;
    ShowHelp(nullptr, QStringLiteral("/nirgends/VekRech.html"), HelpTopic::AccDialog);
    EXPECT_EQ(answerer.Texts(), QStringList{QStringLiteral("Die Hilfedatei wurde nicht gefunden!")});
}

} // namespace
