#include "shell/AppState.h"
#include "storage/AccFile.h"
#include "storage/IoError.h"

#include <QFile>
#include <QTemporaryDir>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

void PutFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

TAccTable EmptyTable()
{
    TAccTable t;
    ClearAccTable(t);
    return t;
}

// An invoice with every field filled, umlauts and the euro sign included.
TAccRecord FilledRecord(int n)
{
    TAccRecord r = EmptyAccRecord();
    r.AccId.SetText(QString::number(n).rightJustified(3, u'0'));
    r.AccName.SetText(QStringLiteral("Miete %1").arg(n));
    r.AccLegend.SetText(QStringLiteral("Wohnung Gärtnerstraße"));
    for (int t = 0; t < 3; ++t) {
        const auto i = static_cast<std::size_t>(t);
        r.TermPayable[i].SetText(QStringLiteral("0%1.03.2027").arg(t + 1));
        r.TermAmount[i].SetText(QStringLiteral("12.50 €"));
        r.TermDescript[i].SetText(QStringLiteral("Abschlag"));
        r.TermRemark[i].SetText(QStringLiteral("Überwiesen am 01.03.2027"));
        r.TermDone[i] = t == 1 ? 1 : 0;
    }
    r.BankHolder.SetText(QStringLiteral("Hausverwaltung Öztürk"));
    r.BankName.SetText(QStringLiteral("Sparkasse"));
    r.BankCode.SetText(QStringLiteral("12030000"));
    r.BankNumber.SetText(QStringLiteral("202051"));
    r.BankIBAN.SetText(QStringLiteral("DE02120300000000202051"));
    r.BankBIC.SetText(QStringLiteral("BYLADEM1001"));
    r.BankUse1.SetText(QStringLiteral("Kd.-Nr. 4711"));
    r.BankUse2.SetText(QStringLiteral("Miete März"));
    r.ContactName.SetText(QStringLiteral("Öztürk GmbH"));
    r.ContactPerson.SetText(QStringLiteral("Frau Weiß"));
    r.ContactStreet.SetText(QStringLiteral("Hauptstraße 1"));
    r.ContactCity.SetText(QStringLiteral("12345 Musterstadt"));
    r.ContactPhone.SetText(QStringLiteral("0123 456"));
    r.ContactFax.SetText(QStringLiteral("0123 457"));
    r.ContactEMail.SetText(QStringLiteral("info@example.org"));
    r.ContactInternet.SetText(QStringLiteral("https://example.org"));
    r.AccNote.SetText(QStringLiteral("Erste Zeile\r\nZweite Zeile"));
    return r;
}

TEST(AccFileLayout, EmptyFileHasThirtyOneEmptyRecords)
{
    const QByteArray bytes = EncodeAccTable(EmptyTable());
    ASSERT_EQ(bytes.size(), 103943);
    for (int slot = 0; slot < MaxAccSlots; ++slot) {
        const QByteArray record = bytes.mid(slot * 3353, 3353);
        EXPECT_EQ(record.left(4).toHex(' '), "03 38 3b 3e") << "slot " << slot;
        // Every other length byte and every done byte is zero.
        TAccRecord parsed;
        std::memcpy(&parsed, record.constData(), sizeof parsed);
        int nonEmpty = 0;
        parsed.ForEachText([&](const auto &field) { nonEmpty += field.Len != 0; });
        EXPECT_EQ(nonEmpty, 1) << "slot " << slot;
        EXPECT_EQ(record.mid(1990, 16), QByteArray(16, '\0'));
    }
}

TEST(AccFileLayout, FieldsStandMaskedAtTheirOffsets)
{
    TAccTable table = EmptyTable();
    table[0] = FilledRecord(1);
    table[0].AccName.SetText(QStringLiteral("Miete"));
    const QByteArray bytes = EncodeAccTable(table);

    EXPECT_EQ(bytes.mid(4, 6).toHex(' '), "05 45 62 6b 65 71");
    // Amount "12.50 €" of term 0 at 342: seven bytes, the euro sign 0x80
    // before masking sits at position 7 (key 26).
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(342)), 7);
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(342 + 7)), 0x80 ^ 26);
    // Term 1's due date at 166 + 11, its done flag plain at 1991.
    EXPECT_EQ(MaskText(bytes.mid(166 + 11 + 1, 10)), QByteArray("02.03.2027"));
    EXPECT_EQ(bytes.at(1991), '\x01');
    // The note keeps CR LF, masked like any other byte.
    EXPECT_EQ(MaskText(bytes.mid(3103, 25)), QByteArray("Erste Zeile\r\nZweite Zeile"));
    // The table itself stays plain.
    EXPECT_EQ(table[0].AccName.Text(), QStringLiteral("Miete"));
}

TEST(AccFileLayout, RoundTripKeepsEveryField)
{
    TAccTable table = EmptyTable();
    for (int i = 0; i < 30; ++i)
        table[static_cast<std::size_t>(i)] = FilledRecord(i + 1);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Haus.rcc"));
    WriteAccFile(path, table);
    const QByteArray written = FileBytes(path);
    EXPECT_EQ(written.size(), AccFileSize);

    const TAccTable back = ReadAccFile(path);
    for (std::size_t i = 0; i < table.size(); ++i) {
        TAccRecord a = table[i];
        TAccRecord b = back[i];
        std::vector<QString> ta, tb;
        a.ForEachText([&](const auto &f) { ta.push_back(f.Text()); });
        b.ForEachText([&](const auto &f) { tb.push_back(f.Text()); });
        EXPECT_EQ(ta, tb) << "slot " << i;
        EXPECT_EQ(a.TermDone, b.TermDone) << "slot " << i;
    }
    // Saving what was loaded writes the same bytes again.
    WriteAccFile(path, back);
    EXPECT_EQ(FileBytes(path), written);
}

TEST(AccFileLoad, IgnoresBytesAfterTheLastRecordAndPastEachText)
{
    TAccTable table = EmptyTable();
    table[0] = FilledRecord(7);
    QByteArray bytes = EncodeAccTable(table);
    // Junk after the name's five bytes and after the file's end.
    bytes[4 + 1 + 20] = 'X';
    bytes.append("trailing junk");

    TAccTable back;
    DecodeAccTable(bytes, back);
    EXPECT_EQ(back[0].AccName.Text(), QStringLiteral("Miete 7"));
    EXPECT_EQ(back[0].TermAmount[0].Text(), QStringLiteral("12.50 €"));
}

TEST(AccFileLoad, PacksUsedSlotsToTheFrontInTheirOrder)
{
    TAccTable table = EmptyTable();
    table[0] = FilledRecord(1);
    table[4] = FilledRecord(2);
    table[30] = FilledRecord(3);
    TAccTable back;
    DecodeAccTable(EncodeAccTable(table), back);
    EXPECT_EQ(back[0].AccId.Text(), QStringLiteral("001"));
    EXPECT_EQ(back[1].AccId.Text(), QStringLiteral("002"));
    EXPECT_EQ(back[2].AccId.Text(), QStringLiteral("003"));
    for (std::size_t i = 3; i < back.size(); ++i) {
        EXPECT_FALSE(back[i].IsUsed()) << i;
        EXPECT_EQ(back[i].AccId.Text(), QStringLiteral("000")) << i;
    }
}

TEST(AccFileLoad, MissingFileGivesAnEmptyTable)
{
    QTemporaryDir dir;
    const TAccTable table = ReadAccFile(dir.filePath(QStringLiteral("fehlt.rcc")));
    for (const TAccRecord &r : table) {
        EXPECT_FALSE(r.IsUsed());
        EXPECT_EQ(r.AccId.Text(), QStringLiteral("000"));
    }
}

TEST(AccFileLoad, ShortFileReadsTheWholeRecordsThenFails)
{
    TAccTable table = EmptyTable();
    table[0] = FilledRecord(1);
    table[1] = FilledRecord(2);
    const QByteArray bytes = EncodeAccTable(table);

    for (const qsizetype size : {qsizetype(0), qsizetype(3353), qsizetype(3353 + 100), AccFileSize - 1}) {
        TAccTable back;
        try {
            DecodeAccTable(bytes.left(size), back);
            ADD_FAILURE() << "no error for " << size << " bytes";
        } catch (const EInOutError &e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Versuch hinter dem Dateiende zu lesen"));
        }
        if (size >= 3353) {
            EXPECT_EQ(back[0].AccName.Text(), QStringLiteral("Miete 1")) << size;
        }
        EXPECT_EQ(back[1].IsUsed(), size >= 2 * 3353) << size;
    }
}

TEST(NewAccId, GivesTheSmallestFreeNumber)
{
    struct Case
    {
        std::vector<const char *> Used;
        const char *Expected;
    };
    const Case cases[] = {
        {{}, "001"},
        {{"001", "002", "004"}, "003"},
        {{"002", "003"}, "001"},
        {{"001", "", "002"}, "003"},
    };
    for (const Case &c : cases) {
        TAccTable table = EmptyTable();
        for (std::size_t i = 0; i < c.Used.size(); ++i) {
            table[i].AccName.SetText(QStringLiteral("R"));
            table[i].AccId.SetBytes(c.Used[i]);
        }
        EXPECT_EQ(NewAccId(table), QString::fromLatin1(c.Expected));
    }

    TAccTable full = EmptyTable();
    for (int i = 0; i < MaxAccSlots; ++i)
        full[static_cast<std::size_t>(i)].AccId.SetText(QString::number(i + 1).rightJustified(3, u'0'));
    EXPECT_EQ(NewAccId(full), QStringLiteral("032"));
}

TEST(AppStateAccFile, SaveWithoutAFileNameWritesNothingAndKeepsTheFlag)
{
    TAppState state;
    state.AccFileName = QStringLiteral("   ");
    state.AccModified = true;
    state.SaveAccFile();
    EXPECT_TRUE(state.AccModified);
}

TEST(AppStateAccFile, SaveAndLoadClearTheFlag)
{
    QTemporaryDir dir;
    TAppState state;
    state.AccFileName = dir.filePath(QStringLiteral("Haus.rcc"));
    state.AccTable[0] = FilledRecord(1);
    state.AccModified = true;
    state.SaveAccFileIfModified();
    EXPECT_FALSE(state.AccModified);
    EXPECT_EQ(QFile(state.AccFileName).size(), AccFileSize);

    state.AccTable[0].AccName.SetText(QStringLiteral("geändert"));
    state.AccModified = true;
    state.LoadAccFile();
    EXPECT_FALSE(state.AccModified);
    EXPECT_EQ(state.AccTable[0].AccName.Text(), QStringLiteral("Miete 1"));
}

TEST(AppStateAccFile, AFailedLoadLeavesNothingThatCouldOverwriteTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kaputt.rcc"));
    TAccTable table = EmptyTable();
    table[0] = FilledRecord(1);
    const QByteArray damaged = EncodeAccTable(table).left(5000);
    PutFile(path, damaged);

    TAppState state;
    state.AccFileName = path;
    EXPECT_THROW(state.LoadAccFile(), EInOutError);
    EXPECT_TRUE(state.AccFileName.isEmpty());
    EXPECT_FALSE(state.AccTable[0].IsUsed());

    state.AccModified = true;
    state.SaveAccFileIfModified();
    EXPECT_EQ(FileBytes(path), damaged);
}

} // namespace
