#include "terms/AccOperations.h"
#include "terms/NextTerms.h"

#include "support/QtPrinters.h"

#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

const QDate Today(2017, 11, 9);

// One invoice with terms given as "date" or "date!" for a settled one.
void AddInvoice(TAccTable &table, const QString &name, const QString &legend, const QStringList &terms)
{
    const int slot = AddAccRecord(table, name, legend);
    int t = 0;
    for (QString term : terms) {
        const bool done = term.endsWith(u'!');
        if (done)
            term.chop(1);
        SetTerm(table[static_cast<std::size_t>(slot)], t++, {term, QStringLiteral("1234.50"), QString(), QString(), done});
    }
}

TAccTable EmptyTable()
{
    TAccTable table;
    ClearAccTable(table);
    return table;
}

struct TLine
{
    QString Text;
    bool Bold;
    QColor Color;
};

QList<TLine> Lines(const QTextDocument &document)
{
    QList<TLine> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextCharFormat format = block.begin() != block.end() ? block.begin().fragment().charFormat()
                                                                    : block.charFormat();
        lines.push_back({block.text(), format.fontWeight() == QFont::Bold, format.foreground().color()});
    }
    return lines;
}

TEST(NextTerms, FirstOpenTermInEntryOrderSortedByDate)
{
    TAccTable table = EmptyTable();
    AddInvoice(table, QStringLiteral("Strom"), QString(), {QStringLiteral("01.01.2016!"), QStringLiteral("01.10.2017"),
                                                          QStringLiteral("01.12.2017")});
    AddInvoice(table, QStringLiteral("Miete"), QString(), {QStringLiteral("01.02.2018"), QStringLiteral("01.01.2017")});
    AddInvoice(table, QStringLiteral("Wasser"), QString(), {QStringLiteral("05.05.2017!")});
    AddInvoice(table, QStringLiteral("Telefon"), QString(), {QStringLiteral("01.10.2017")});
    AddInvoice(table, QStringLiteral("Kaputt"), QString(), {QStringLiteral("irgendwann")});

    QStringList got;
    for (const TNextTermsData &e : CollectNextTerms(table))
        got << e.Name + u' ' + e.Payable;
    // Past first open term listed; entry order over date order; all-done
    // invoices absent; equal dates side by side; a text that is no date sorts
    // as text after the "yyyy-mm-dd" keys.
    EXPECT_EQ(got, (QStringList{"Strom 01.10.2017", "Telefon 01.10.2017", "Miete 01.02.2018", "Kaputt irgendwann"}));
}

TEST(NextTerms, TextAndColours)
{
    TAccTable table = EmptyTable();
    AddInvoice(table, QStringLiteral("Miete"), QStringLiteral("Wohnung"), {QStringLiteral("09.11.2017")});
    AddInvoice(table, QStringLiteral("Strom"), QString(), {QStringLiteral("10.11.2017")});
    QTextDocument document;
    FillNextTerms(document, table, Today);

    const QList<TLine> lines = Lines(document);
    ASSERT_EQ(lines.size(), 7);
    const QColor blue(0x15, 0x3A, 0x77);
    EXPECT_EQ(lines[0].Text, QStringLiteral("Miete"));
    EXPECT_TRUE(lines[0].Bold);
    EXPECT_EQ(lines[0].Color, blue);
    EXPECT_EQ(lines[1].Text, QStringLiteral("Wohnung"));
    EXPECT_FALSE(lines[1].Bold);
    EXPECT_EQ(lines[1].Color, blue);
    // Due today: red; the amount with a comma and no thousands separator.
    EXPECT_EQ(lines[2].Text, QStringLiteral("09.11.2017 (1234,50 €)"));
    EXPECT_EQ(lines[2].Color, QColor(0x99, 0x22, 0x25));
    EXPECT_EQ(lines[3].Text, QString());
    // Without a description three lines; due tomorrow: black.
    EXPECT_EQ(lines[4].Text, QStringLiteral("Strom"));
    EXPECT_EQ(lines[5].Text, QStringLiteral("10.11.2017 (1234,50 €)"));
    EXPECT_EQ(lines[5].Color, QColor(Qt::black));
    EXPECT_EQ(lines[6].Text, QString());
}

TEST(NextTerms, EmptyFileGivesAnEmptyBox)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("alt"));
    FillNextTerms(document, EmptyTable(), Today);
    EXPECT_TRUE(document.toPlainText().isEmpty());
}

TEST(NextTerms, CountTexts)
{
    EXPECT_EQ(InvoiceCountText(0), QStringLiteral("Keine Rechnung vorhanden"));
    EXPECT_EQ(InvoiceCountText(1), QStringLiteral("1 Rechnung vorhanden"));
    EXPECT_EQ(InvoiceCountText(2), QStringLiteral("2 Rechnungen vorhanden"));
    EXPECT_EQ(InvoiceCountText(30), QStringLiteral("30 Rechnungen vorhanden"));
}

} // namespace
