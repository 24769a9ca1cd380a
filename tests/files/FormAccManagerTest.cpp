#include "files/AccFileStore.h"
#include "files/FormAccEdit.h"
#include "files/FormAccManager.h"
#include "storage/AccFile.h"

#include "support/ModalAnswerer.h"
#include "support/QtPrinters.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>

namespace {

// The manager with the name dialog answered from a script.
class TScriptedManager : public TFormAccManager
{
public:
    using TFormAccManager::TFormAccManager;

    std::deque<std::optional<QString>> Answers;
    QStringList Captions;
    QStringList Proposals;

    bool AskName(const QString &caption, QString &name) override
    {
        Captions << caption;
        Proposals << name;
        if (Answers.empty())
            return false;
        const std::optional<QString> answer = Answers.front();
        Answers.pop_front();
        if (!answer)
            return false;
        name = *answer;
        return true;
    }
};

class AccManager : public ::testing::Test
{
protected:
    QTemporaryDir Dir;

    QString Data() const { return Dir.path() + u'/'; }

    void Touch(const QString &file, const QByteArray &content = "x")
    {
        QFile f(Dir.filePath(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    std::unique_ptr<TScriptedManager> Open(const QString &current = QString())
    {
        return std::make_unique<TScriptedManager>(
            TFormAccManager::TInput{Data(), current, QStringLiteral("/nirgends/VekRech.html"), QDate(2017, 5, 1)});
    }

    static QStringList Names(const TFormAccManager &m)
    {
        auto *list = m.findChild<QListWidget *>(QStringLiteral("AccFilesList"));
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }

    static QString Selected(const TFormAccManager &m)
    {
        auto *list = m.findChild<QListWidget *>(QStringLiteral("AccFilesList"));
        const auto items = list->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }

    static void Click(TFormAccManager &m, const char *button)
    {
        auto *b = m.findChild<QPushButton *>(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }

    static bool Enabled(TFormAccManager &m, const char *button)
    {
        return m.findChild<QPushButton *>(QString::fromLatin1(button))->isEnabled();
    }
};

TEST_F(AccManager, EmptyDirectoryDisablesTheSelectionButtons)
{
    auto manager = Open();
    EXPECT_TRUE(Names(*manager).isEmpty());
    EXPECT_FALSE(Enabled(*manager, "btnEdit"));
    EXPECT_FALSE(Enabled(*manager, "btnDelete"));
    EXPECT_FALSE(Enabled(*manager, "btnOpen"));

    manager->Answers = {QStringLiteral("Rechnungen 2017")};
    Click(*manager, "btnNew");
    EXPECT_EQ(manager->Captions, QStringList{QStringLiteral("Neue Rechnungsdatei...")});
    EXPECT_EQ(manager->Proposals, QStringList{QString()});
    EXPECT_TRUE(Enabled(*manager, "btnOpen"));
    Click(*manager, "btnOpen");
    EXPECT_EQ(manager->result(), QDialog::Accepted);
    EXPECT_EQ(manager->ChosenFile(), Data() + QStringLiteral("Rechnungen 2017.rcc"));
}

TEST_F(AccManager, NewFileIsSortedInSelectedAndHoldsEmptyRecords)
{
    Touch("B.rcc");
    Touch("C.rcc");
    auto manager = Open();
    EXPECT_EQ(Selected(*manager), QStringLiteral("B"));
    manager->Answers = {QStringLiteral("A")};
    Click(*manager, "btnNew");
    EXPECT_EQ(Names(*manager), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(Selected(*manager), QStringLiteral("A"));
    EXPECT_EQ(QFile(Dir.filePath(QStringLiteral("A.rcc"))).size(), AccFileSize);
    EXPECT_FALSE(ReadAccFile(Dir.filePath(QStringLiteral("A.rcc")))[0].IsUsed());
}

TEST_F(AccManager, NamesThatExistOrLeaveTheFolderAreRefused)
{
    Touch("rechnungen 2018.rcc");
    auto manager = Open();
    struct Case
    {
        const char *Name;
        const char *MessageStart;
    };
    const Case cases[] = {
        {"Rechnungen 2018", "Die Rechnungsdatei \"Rechnungen 2018\" existiert bereits! Benutzen Sie bitte einen anderen Namen."},
        {"../draußen", "Der Name \"../draußen\" kann nicht verwendet werden!"},
        {"..", "Der Name \"..\" kann nicht verwendet werden!"},
    };
    for (const Case &c : cases) {
        TModalAnswerer answerer;
        manager->Answers = {QString::fromUtf8(c.Name)};
        Click(*manager, "btnNew");
        ASSERT_EQ(answerer.Seen().size(), 1) << c.Name;
        EXPECT_TRUE(answerer.Seen()[0].Text.startsWith(QString::fromUtf8(c.MessageStart))) << answerer.Seen()[0].Text.toStdString();
        EXPECT_EQ(answerer.Seen()[0].Title, QStringLiteral("Fehlermeldung"));
    }
    EXPECT_EQ(Names(*manager), QStringList{QStringLiteral("rechnungen 2018")});
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("rechnungen 2018.rcc")});
    EXPECT_FALSE(QFile::exists(Dir.filePath(QStringLiteral("../draußen.rcc"))));

    // Cancel or blanks: nothing, no message.
    TModalAnswerer quiet;
    manager->Answers = {std::nullopt, QStringLiteral("   ")};
    Click(*manager, "btnNew");
    Click(*manager, "btnNew");
    EXPECT_TRUE(quiet.Seen().isEmpty());
    EXPECT_EQ(Names(*manager).size(), 1);
}

TEST_F(AccManager, RenameTakesTheCompanionsAndFollowsTheCurrentFile)
{
    Touch("Haus.rcc", "rcc");
    Touch("Haus.rcp", "rcp");
    Touch("Haus.rcd", "rcd");
    Touch("Auto.rcc");
    const QString current = Data() + QStringLiteral("Haus.rcc");
    auto manager = Open(current);
    auto *list = manager->findChild<QListWidget *>(QStringLiteral("AccFilesList"));
    list->setCurrentRow(1);
    ASSERT_EQ(Selected(*manager), QStringLiteral("Haus"));

    manager->Answers = {QStringLiteral("Wohnung")};
    Click(*manager, "btnEdit");
    EXPECT_EQ(manager->Captions.last(), QStringLiteral("Rechnungsdatei umbenennen..."));
    EXPECT_EQ(manager->Proposals.last(), QStringLiteral("Haus"));
    // The entry keeps its place; the list is not sorted again.
    EXPECT_EQ(Names(*manager), (QStringList{"Auto", "Wohnung"}));
    EXPECT_EQ(manager->AccFileName(), Data() + QStringLiteral("Wohnung.rcc"));
    for (const char *f : {"Wohnung.rcc", "Wohnung.rcp", "Wohnung.rcd"})
        EXPECT_TRUE(QFile::exists(Dir.filePath(QString::fromLatin1(f)))) << f;
    for (const char *f : {"Haus.rcc", "Haus.rcp", "Haus.rcd"})
        EXPECT_FALSE(QFile::exists(Dir.filePath(QString::fromLatin1(f)))) << f;

    // Its own name in other case counts as taken.
    TModalAnswerer answerer;
    manager->Answers = {QStringLiteral("WOHNUNG")};
    Click(*manager, "btnEdit");
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_TRUE(answerer.Seen()[0].Text.contains(QStringLiteral("existiert bereits")));
}

TEST_F(AccManager, RenameOntoAFileTheListDoesNotShowFails)
{
    Touch("Haus.rcc", "haus");
    auto manager = Open();
    ASSERT_EQ(Selected(*manager), QStringLiteral("Haus"));
    // A file that appeared after the list was made.
    Touch("Garten.rcc", "garten");
    TModalAnswerer answerer;
    manager->Answers = {QStringLiteral("Garten")};
    Click(*manager, "btnEdit");
    EXPECT_EQ(answerer.Texts(), QStringList{QStringLiteral("Die Rechnungsdatei konnte nicht geändert werden!")});
    QFile garten(Dir.filePath(QStringLiteral("Garten.rcc")));
    ASSERT_TRUE(garten.open(QIODevice::ReadOnly));
    EXPECT_EQ(garten.readAll(), QByteArray("garten"));
    EXPECT_EQ(Selected(*manager), QStringLiteral("Haus"));
}

TEST_F(AccManager, DeleteAsksTwiceAndRemovesAllThree)
{
    Touch("Haus.rcc");
    Touch("Haus.rcp");
    Touch("Haus.rcd");
    auto manager = Open();

    // The first No, then the second No, keep the file.
    for (int noAt : {1, 2}) {
        int asked = 0;
        TModalAnswerer answerer([&](const TSeenMessage &) {
            return ++asked == noAt ? QMessageBox::No : QMessageBox::Yes;
        });
        Click(*manager, "btnDelete");
        EXPECT_EQ(answerer.Seen().size(), noAt);
        EXPECT_TRUE(QFile::exists(Dir.filePath(QStringLiteral("Haus.rcc"))));
    }

    TModalAnswerer answerer([](const TSeenMessage &) { return QMessageBox::Yes; });
    Click(*manager, "btnDelete");
    ASSERT_EQ(answerer.Seen().size(), 2);
    EXPECT_EQ(answerer.Seen()[0].Text,
              QStringLiteral("Soll die folgende Rechnungsdatei entfernt werden?\n\n\"Haus\"\n\n"
                             "Alle zu dieser Rechnung gehörenden Notizen und Dokumente werden ebenfalls gelöscht."));
    EXPECT_EQ(answerer.Seen()[1].Text, QStringLiteral("Sind Sie sicher, dass die Rechnungsdatei gelöscht werden soll?"));
    EXPECT_EQ(answerer.Seen()[1].Title, QStringLiteral("Bestätigung"));
    EXPECT_TRUE(QDir(Dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(Names(*manager).isEmpty());
}

TEST_F(AccManager, TheCurrentFileCannotBeDeleted)
{
    Touch("Haus.rcc");
    auto manager = Open(Data() + QStringLiteral("HAUS.rcc"));
    TModalAnswerer answerer;
    Click(*manager, "btnDelete");
    EXPECT_EQ(answerer.Texts(), QStringList{QStringLiteral("Die aktuelle Rechnungsdatei kann nicht entfernt werden!")});
    EXPECT_EQ(answerer.Seen()[0].Title, QStringLiteral("Information"));
    EXPECT_TRUE(QFile::exists(Dir.filePath(QStringLiteral("Haus.rcc"))));
}

TEST_F(AccManager, CancelAndKeysLeaveOrOpen)
{
    Touch("Haus.rcc");
    {
        auto manager = Open();
        Click(*manager, "btnCancel");
        EXPECT_EQ(manager->result(), QDialog::Rejected);
        EXPECT_TRUE(manager->ChosenFile().isEmpty());
    }
    {
        auto manager = Open();
        manager->show();
        auto *list = manager->findChild<QListWidget *>(QStringLiteral("AccFilesList"));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_EQ(manager->result(), QDialog::Accepted);
        EXPECT_EQ(manager->ChosenFile(), Data() + QStringLiteral("Haus.rcc"));
    }
}

TEST(AccEdit, ProposesThisAndNextYearAndNeedsAName)
{
    TFormAccEdit dialog(QString(), QStringLiteral("Alt"), QDate(2017, 5, 1), QString());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Rechnungsdatei"));
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("ComboAccName"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Alt"));
    EXPECT_EQ(combo->itemText(0), QStringLiteral("Rechnungen 2017"));
    EXPECT_EQ(combo->itemText(1), QStringLiteral("Rechnungen 2018"));

    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("btnOK"));
    combo->setEditText(QString());
    EXPECT_FALSE(ok->isEnabled());
    combo->setEditText(QStringLiteral("  Neu  "));
    EXPECT_TRUE(ok->isEnabled());
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Name(), QStringLiteral("  Neu  "));
}

} // namespace
