#include "files/AccFileStore.h"
#include "storage/AccFile.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Touch(const QString &path, const QByteArray &content = "x")
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QString Read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QStringLiteral("<missing>");
}

TEST(AccFileStore, ListsInvoiceFilesSortedWithoutRegardToCase)
{
    QTemporaryDir dir;
    for (const char *file : {"b.rcc", "C.rcc", "a.rcc", "a.rcp", "a.rcd", "notiz.txt", "X.RCC", ".rcc", "Haus 2027.rcc"})
        Touch(dir.filePath(QString::fromLatin1(file)));
    QDir().mkdir(dir.filePath(QStringLiteral("ordner.rcc")));
    EXPECT_EQ(ListAccFiles(dir.path()), (QStringList{"a", "b", "C", "Haus 2027"}));
    EXPECT_EQ(ListAccFiles(dir.filePath(QStringLiteral("fehlt"))), QStringList());
}

TEST(AccFileStore, PathsOfANameAndOfAFile)
{
    const TAccFilePaths p = AccFilePaths(QStringLiteral("/daten/Zandivo/"), QStringLiteral("Haus"));
    EXPECT_EQ(p.Invoices, QStringLiteral("/daten/Zandivo/Haus.rcc"));
    EXPECT_EQ(p.Notes, QStringLiteral("/daten/Zandivo/Haus.rcp"));
    EXPECT_EQ(p.Documents, QStringLiteral("/daten/Zandivo/Haus.rcd"));
    EXPECT_EQ(AccFilePaths(QStringLiteral("/daten"), QStringLiteral("Haus")).Invoices, QStringLiteral("/daten/Haus.rcc"));
    EXPECT_EQ(CompanionPaths(p.Invoices).Documents, p.Documents);
    EXPECT_EQ(AccFileNameOf(p.Invoices), QStringLiteral("Haus"));
}

TEST(AccFileStore, NamesMustStayInsideTheDataDirectory)
{
    const std::pair<const char *, bool> cases[] = {
        {"Rechnungen 2027", true}, {"Haus & Hof", true},  {"..Haus", true}, {"a.b", true},
        {"../Haus", false},        {"Haus/2027", false},  {"/etc/x", false}, {".", false},
        {"..", false},             {" .. ", false},
    };
    for (const auto &[name, fine] : cases)
        EXPECT_EQ(AccFileNameProblem(QString::fromLatin1(name)).isEmpty(), fine) << name;
    EXPECT_FALSE(AccFileNameProblem(QString(61, u'x')).isEmpty());
}

TEST(AccFileStore, ContainsComparesWithoutCase)
{
    const QStringList names{"Rechnungen 2017", "rechnungen 2018"};
    EXPECT_TRUE(ContainsAccFileName(names, QStringLiteral("Rechnungen 2018")));
    EXPECT_TRUE(ContainsAccFileName(names, QStringLiteral("RECHNUNGEN 2017")));
    EXPECT_FALSE(ContainsAccFileName(names, QStringLiteral("Rechnungen 2019")));
}

TEST(AccFileStore, RenameTakesTheCompanionsAlong)
{
    QTemporaryDir dir;
    const TAccFilePaths from = AccFilePaths(dir.path(), QStringLiteral("Alt"));
    const TAccFilePaths to = AccFilePaths(dir.path(), QStringLiteral("Neu"));
    Touch(from.Invoices, "rcc");
    Touch(from.Notes, "rcp");
    ASSERT_TRUE(RenameAccFile(from, to));
    EXPECT_EQ(Read(to.Invoices), QStringLiteral("rcc"));
    EXPECT_EQ(Read(to.Notes), QStringLiteral("rcp"));
    EXPECT_FALSE(QFile::exists(to.Documents));
    EXPECT_FALSE(QFile::exists(from.Invoices));
    EXPECT_FALSE(QFile::exists(from.Notes));
}

TEST(AccFileStore, RenameOntoAnExistingFileChangesNothing)
{
    QTemporaryDir dir;
    const TAccFilePaths from = AccFilePaths(dir.path(), QStringLiteral("Alt"));
    const TAccFilePaths to = AccFilePaths(dir.path(), QStringLiteral("Neu"));
    Touch(from.Invoices, "alt");
    Touch(from.Notes, "alte notizen");
    Touch(to.Invoices, "neu");
    EXPECT_FALSE(RenameAccFile(from, to));
    EXPECT_EQ(Read(from.Invoices), QStringLiteral("alt"));
    EXPECT_EQ(Read(from.Notes), QStringLiteral("alte notizen"));
    EXPECT_EQ(Read(to.Invoices), QStringLiteral("neu"));
}

TEST(AccFileStore, DeleteRemovesAllThreeOrNothing)
{
    QTemporaryDir dir;
    const TAccFilePaths paths = AccFilePaths(dir.path(), QStringLiteral("Haus"));
    Touch(paths.Invoices);
    Touch(paths.Notes);
    Touch(paths.Documents);
    ASSERT_TRUE(DeleteAccFile(paths));
    for (const QString &p : {paths.Invoices, paths.Notes, paths.Documents})
        EXPECT_FALSE(QFile::exists(p)) << p.toStdString();

    // Without the invoice file the companions stay.
    Touch(paths.Notes);
    EXPECT_FALSE(DeleteAccFile(paths));
    EXPECT_TRUE(QFile::exists(paths.Notes));
}

TEST(AccFileStore, CreatedFileHoldsEmptyRecords)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Neu.rcc"));
    CreateAccFile(path);
    const TAccTable table = ReadAccFile(path);
    EXPECT_EQ(QFile(path).size(), AccFileSize);
    EXPECT_FALSE(table[0].IsUsed());
    EXPECT_EQ(table[30].AccId.Text(), QStringLiteral("000"));
}

} // namespace
