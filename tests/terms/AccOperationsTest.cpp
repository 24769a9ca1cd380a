#include "terms/AccOperations.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TAccTable Table(std::initializer_list<const char *> names)
{
    TAccTable table;
    ClearAccTable(table);
    for (const char *name : names)
        AddAccRecord(table, QString::fromUtf8(name), QStringLiteral("Beschreibung"));
    return table;
}

QStringList Names(const TAccTable &table)
{
    QStringList names;
    for (const TAccRecord &r : table) {
        if (r.IsUsed())
            names << r.AccName.Text() + u'/' + r.AccId.Text();
    }
    return names;
}

TEST(AccOperations, AddGivesTheNextSlotAndTheSmallestFreeNumber)
{
    TAccTable table = Table({"Miete", "Strom"});
    EXPECT_EQ(Names(table), (QStringList{"Miete/001", "Strom/002"}));
    DeleteAccRecord(table, 0);
    EXPECT_EQ(AddAccRecord(table, QStringLiteral("Wasser"), QString()), 1);
    // The number of the deleted invoice is given out again.
    EXPECT_EQ(Names(table), (QStringList{"Strom/002", "Wasser/001"}));
    EXPECT_EQ(UsedAccCount(table), 2);
}

TEST(AccOperations, NamesAreComparedWithoutCase)
{
    const TAccTable table = Table({"Miete", "Strom"});
    EXPECT_TRUE(HasAccName(table, QStringLiteral("MIETE")));
    EXPECT_TRUE(HasAccName(table, QStringLiteral("strom")));
    EXPECT_FALSE(HasAccName(table, QStringLiteral("Miete ")));
    EXPECT_EQ(AccListEntry(table[0]), QStringLiteral("Miete#Beschreibung"));
}

TEST(AccOperations, DeleteMovesTheRestUpAndEmptiesTheLastSlot)
{
    TAccTable table = Table({"A", "B", "C"});
    DeleteAccRecord(table, 1);
    EXPECT_EQ(Names(table), (QStringList{"A/001", "C/003"}));
    EXPECT_EQ(table[30].AccId.Text(), QStringLiteral("000"));

    // A full table keeps its last slot empty after a delete.
    TAccTable full;
    ClearAccTable(full);
    for (int i = 0; i < MaxAccSlots; ++i)
        AddAccRecord(full, QStringLiteral("R%1").arg(i), QString());
    DeleteAccRecord(full, 0);
    EXPECT_EQ(UsedAccCount(full), 30);
    EXPECT_FALSE(full[30].IsUsed());
}

TEST(AccOperations, SwapExchangesWholeRecords)
{
    TAccTable table = Table({"A", "B"});
    table[0].BankIBAN.SetText(QStringLiteral("DE02"));
    SwapAccRecords(table, 0, 1);
    EXPECT_EQ(Names(table), (QStringList{"B/002", "A/001"}));
    EXPECT_EQ(table[1].BankIBAN.Text(), QStringLiteral("DE02"));
}

TTermValues Term(const char *date, bool done)
{
    return {QString::fromLatin1(date), QStringLiteral("10.00"), QString::fromLatin1(date), QString(), done};
}

TEST(TermOperations, AmountKeepsItsSuffixOnlyInTheRecord)
{
    TAccRecord record = EmptyAccRecord();
    SetTerm(record, 0, {QStringLiteral("01.03.2027"), QStringLiteral("12.5"), QStringLiteral("Rate"),
                        QStringLiteral("Erledigt"), true});
    EXPECT_EQ(record.TermAmount[0].Text(), QStringLiteral("12.5 €"));
    EXPECT_EQ(record.TermAmount[0].Len, 6);
    EXPECT_EQ(record.TermDone[0], 1);
    EXPECT_EQ(TermValuesOf(record, 0).Amount, QStringLiteral("12.5"));

    // Eight characters and the suffix fill the field exactly.
    SetTerm(record, 1, {QStringLiteral("01.03.2027"), QStringLiteral("12345.67"), QString(), QString(), false});
    EXPECT_EQ(record.TermAmount[1].Text(), QStringLiteral("12345.67 €"));
    EXPECT_EQ(TermValuesOf(record, 1).Amount, QStringLiteral("12345.67"));
}

TEST(TermOperations, DeleteMovesLaterTermsAndTheirFlagsUp)
{
    TAccRecord record = EmptyAccRecord();
    const bool flags[] = {false, true, false, true, true};
    const char *dates[] = {"01.01.2027", "01.02.2027", "01.03.2027", "01.04.2027", "01.05.2027"};
    for (int t = 0; t < 5; ++t)
        SetTerm(record, t, Term(dates[t], flags[t]));

    DeleteTerm(record, 1);
    EXPECT_EQ(record.TermCount(), 4);
    const char *left[] = {"01.01.2027", "01.03.2027", "01.04.2027", "01.05.2027"};
    const bool leftFlags[] = {false, false, true, true};
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(TermValuesOf(record, t).Payable, QString::fromLatin1(left[t])) << t;
        EXPECT_EQ(record.IsTermDone(t), leftFlags[t]) << t;
    }
    EXPECT_TRUE(record.TermPayable[4].IsEmpty());
    EXPECT_EQ(record.TermDone[4], 0);
}

TEST(TermOperations, SwapTakesTheFlagAlong)
{
    TAccRecord record = EmptyAccRecord();
    SetTerm(record, 0, Term("01.01.2027", true));
    SetTerm(record, 1, Term("01.02.2027", false));
    SwapTerms(record, 1, 0);
    EXPECT_EQ(TermValuesOf(record, 0), Term("01.02.2027", false));
    EXPECT_EQ(TermValuesOf(record, 1), Term("01.01.2027", true));
}

} // namespace
