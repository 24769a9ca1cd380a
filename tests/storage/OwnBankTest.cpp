#include "storage/IoError.h"
#include "storage/Masking.h"
#include "storage/OwnBankRecord.h"

#include <QFile>
#include <QTemporaryDir>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

TOwnBankRecord Account(const QString &name)
{
    TOwnBankRecord r;
    r.OwnName.SetText(name);
    r.OwnKind.SetText(QStringLiteral("Girokonto"));
    r.OwnHolder.SetText(QStringLiteral("Jürgen Größe"));
    r.OwnBank.SetText(QStringLiteral("Volksbank Süd"));
    r.OwnCode.SetText(QStringLiteral("12030000"));
    r.OwnNumber.SetText(QStringLiteral("202051"));
    r.OwnIBAN.SetText(QStringLiteral("DE02120300000000202051"));
    r.OwnBIC.SetText(QStringLiteral("BYLADEM1001"));
    return r;
}

TOwnAccounts EmptyAccounts()
{
    TOwnAccounts a;
    a.fill(TOwnBankRecord{});
    return a;
}

TEST(OwnAccountsFile, NameIsPlainAndTheOtherFieldsMasked)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bankdata.own"));
    TOwnAccounts accounts = EmptyAccounts();
    accounts[0] = Account(QStringLiteral("Girokonto"));
    SaveOwnAccounts(path, accounts);

    const QByteArray bytes = FileBytes(path);
    ASSERT_EQ(bytes.size(), 4928);
    EXPECT_EQ(bytes.mid(0, 10), QByteArray("\x09" "Girokonto"));
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(61)), 9);
    EXPECT_EQ(bytes.mid(62, 9), MaskText("Girokonto"));
    EXPECT_NE(bytes.mid(62, 9), QByteArray("Girokonto"));
    // Slots 1…10 are empty: every length byte zero.
    for (int slot = 1; slot < OwnAccountSlots; ++slot) {
        for (const int offset : {0, 61, 102, 223, 324, 355, 386, 417})
            EXPECT_EQ(bytes.at(slot * 448 + offset), '\0') << slot << " " << offset;
    }
    // The table in memory stays plain.
    EXPECT_EQ(accounts[0].OwnKind.Text(), QStringLiteral("Girokonto"));
}

TEST(OwnAccountsFile, RoundTripKeepsEveryFieldWithUmlauts)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bankdata.own"));
    TOwnAccounts accounts = EmptyAccounts();
    for (int i = 0; i < MaxOwnAccounts; ++i)
        accounts[static_cast<std::size_t>(i)] = Account(QStringLiteral("Konto Ä%1").arg(i));
    SaveOwnAccounts(path, accounts);

    TOwnAccounts back = EmptyAccounts();
    LoadOwnAccounts(path, back);
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        const TOwnBankRecord &a = accounts[i];
        const TOwnBankRecord &b = back[i];
        EXPECT_EQ(b.OwnName.Text(), a.OwnName.Text());
        EXPECT_EQ(b.OwnKind, a.OwnKind);
        EXPECT_EQ(b.OwnHolder.Text(), a.OwnHolder.Text());
        EXPECT_EQ(b.OwnBank.Text(), QString(i < 10 ? QStringLiteral("Volksbank Süd") : QString()));
        EXPECT_EQ(b.OwnCode, a.OwnCode);
        EXPECT_EQ(b.OwnNumber, a.OwnNumber);
        EXPECT_EQ(b.OwnIBAN, a.OwnIBAN);
        EXPECT_EQ(b.OwnBIC, a.OwnBIC);
    }
}

TEST(OwnAccountsFile, MissingFileGivesEmptySlots)
{
    QTemporaryDir dir;
    TOwnAccounts accounts = EmptyAccounts();
    accounts[0] = Account(QStringLiteral("alt"));
    LoadOwnAccounts(dir.filePath(QStringLiteral("bankdata.own")), accounts);
    for (const TOwnBankRecord &r : accounts) {
        EXPECT_FALSE(r.IsUsed());
        EXPECT_TRUE(r.OwnKind.IsEmpty());
    }
}

TEST(OwnAccountsFile, ShortFileKeepsTheWholeRecordsAndTellsSo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bankdata.own"));
    TOwnAccounts accounts = EmptyAccounts();
    accounts[0] = Account(QStringLiteral("Erstes"));
    accounts[1] = Account(QStringLiteral("Zweites"));
    SaveOwnAccounts(path, accounts);
    const QByteArray full = FileBytes(path);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(full.left(448 + 200));
    }

    TOwnAccounts back = EmptyAccounts();
    try {
        LoadOwnAccounts(path, back);
        ADD_FAILURE() << "a short file must be reported";
    } catch (const EInOutError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Versuch hinter dem Dateiende zu lesen"));
    }
    EXPECT_EQ(back[0].OwnName.Text(), QStringLiteral("Erstes"));
    EXPECT_EQ(back[0].OwnHolder.Text(), QStringLiteral("Jürgen Größe"));
    EXPECT_FALSE(back[1].IsUsed());
}

TEST(OwnAccountsFile, LongFileReadsElevenRecordsAndIsWrittenBackAtItsSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bankdata.own"));
    TOwnAccounts accounts = EmptyAccounts();
    accounts[0] = Account(QStringLiteral("Girokonto"));
    SaveOwnAccounts(path, accounts);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(QByteArray(1000, 'x'));
    }
    TOwnAccounts back = EmptyAccounts();
    LoadOwnAccounts(path, back);
    EXPECT_EQ(back[0].OwnIBAN.Text(), QStringLiteral("DE02120300000000202051"));
    SaveOwnAccounts(path, back);
    EXPECT_EQ(QFile(path).size(), 4928);
}

} // namespace
