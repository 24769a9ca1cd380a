#include "calendar/DateUtils.h"
#include "calendar/MonthCalendar.h"
#include "terms/AccOperations.h"

#include "support/QtPrinters.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const QColor Red(0x99, 0x22, 0x25);
const QColor Blue(0x15, 0x3A, 0x77);
const QColor HolidayText(0x6C, 0x68, 0x4A);
const QColor Green(0x1B, 0x72, 0x4D);

TAccTable EmptyTable()
{
    TAccTable table;
    ClearAccTable(table);
    return table;
}

// An invoice with one term per given date ("date!" for a settled one).
void AddInvoice(TAccTable &table, const QString &name, const QStringList &dates)
{
    const int slot = AddAccRecord(table, name, QString());
    int t = 0;
    for (QString date : dates) {
        const bool done = date.endsWith(u'!');
        if (done)
            date.chop(1);
        SetTerm(table[static_cast<std::size_t>(slot)], t++, {date, QStringLiteral("1"), QString(), QString(), done});
    }
}

QImage Render(const TAccTable &table, const TCalendarView &view)
{
    const TFormatSettings format = InitFormatSettings();
    QImage image(CalendarWidth, MonthCalendarHeight(table, view.Month), QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    DrawMonthCalendar(painter, CalendarWidth, table, view, format);
    return image;
}

// Top of the line of a day, laid out as the picture lays it out.
int DayTop(const TAccTable &table, QDate month, int day)
{
    int y = 23;
    for (int d = 1; d < day; ++d) {
        const QDate date(month.year(), month.month(), d);
        y += 14 * std::max(1, DueTermsOfDay(table, DateText(date)).Count);
        if (date.dayOfWeek() == Qt::Sunday)
            y += 6;
    }
    return y;
}

// Whether a pixel close to the colour lies in the box (text is smoothed at
// its edges, its strokes carry the colour itself).
bool HasColour(const QImage &image, const QRect &box, const QColor &colour)
{
    const QRect area = box.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <= 12)
                return true;
        }
    }
    return false;
}

QRect DayNumberBox(int top) { return QRect(4, top, 36, 14); }
QRect NameBox(int top) { return QRect(44, top, 150, 14); }
QRect RightEnd(int top) { return QRect(200, top, 96, 14); }

TEST(MonthCalendar, HeightOfAMonthWithoutTerms)
{
    EXPECT_EQ(MonthCalendarHeight(EmptyTable(), QDate(2017, 11, 15)), 472);
}

TEST(MonthCalendar, AtMostFifteenNamesADay)
{
    TAccTable table = EmptyTable();
    for (int i = 0; i < 20; ++i)
        AddInvoice(table, QStringLiteral("R%1").arg(i), {QStringLiteral("07.11.2017")});
    const TDueTerms due = DueTermsOfDay(table, QStringLiteral("07.11.2017"));
    EXPECT_EQ(due.Count, 15);
    EXPECT_EQ(due.Invoice[14], 14);
    EXPECT_EQ(MonthCalendarHeight(table, QDate(2017, 11, 1)), 472 + 14 * 14);

    const QImage image = Render(table, {QDate(2017, 11, 1), QDate(2017, 1, 1), 0, true});
    const int top = DayTop(table, QDate(2017, 11, 1), 7);
    EXPECT_TRUE(HasColour(image, NameBox(top + 14 * 14), Red));
    // The next day stands right after the fifteenth name.
    EXPECT_FALSE(HasColour(image, NameBox(top + 15 * 14), Red));
}

TEST(MonthCalendar, TermsOfUnnamedSlotsAndOtherDatesNeverShow)
{
    TAccTable table = EmptyTable();
    AddInvoice(table, QStringLiteral("Miete"), {QStringLiteral("07.11.2017"), QStringLiteral("7.11.2017")});
    table[1].TermPayable[0].SetText(QStringLiteral("07.11.2017"));   // a slot without a name
    const TDueTerms due = DueTermsOfDay(table, QStringLiteral("07.11.2017"));
    EXPECT_EQ(due.Count, 1);
    EXPECT_EQ(due.Invoice[0], 0);
}

TEST(MonthCalendar, HolidayWithATermShowsTheNameNotTheHoliday)
{
    TAccTable table = EmptyTable();
    AddInvoice(table, QStringLiteral("Versicherung"), {QStringLiteral("25.12.2017")});
    const QDate december(2017, 12, 1);
    const QImage image = Render(table, {december, QDate(2017, 1, 1), 0, true});

    const int christmas = DayTop(table, december, 25);
    EXPECT_TRUE(HasColour(image, DayNumberBox(christmas), Red));
    EXPECT_TRUE(HasColour(image, NameBox(christmas), Red));
    EXPECT_FALSE(HasColour(image, RightEnd(christmas), HolidayText));
    // The second holiday has no term: its name stands at the right.
    const int boxing = DayTop(table, december, 26);
    EXPECT_TRUE(HasColour(image, RightEnd(boxing), HolidayText));
}

TEST(MonthCalendar, HolidayNamesFollowTheSwitchButStayRed)
{
    const QDate december(2017, 12, 1);
    const TAccTable table = EmptyTable();
    const QImage off = Render(table, {december, QDate(2017, 1, 1), 0, false});
    EXPECT_FALSE(HasColour(off, off.rect(), HolidayText));
    EXPECT_TRUE(HasColour(off, DayNumberBox(DayTop(table, december, 26)), Red));
    // A plain Tuesday stays black.
    EXPECT_FALSE(HasColour(off, DayNumberBox(DayTop(table, december, 19)), Red));
}

TEST(MonthCalendar, TodayIsBlueOnlyInItsMonthAndRedOnSundays)
{
    const TAccTable table = EmptyTable();
    const QDate december(2026, 12, 1);
    const QImage withToday = Render(table, {december, QDate(2026, 12, 9), 0, true});
    EXPECT_TRUE(HasColour(withToday, DayNumberBox(DayTop(table, december, 9)), Blue));

    const QImage otherMonth = Render(table, {QDate(2026, 11, 1), QDate(2026, 12, 9), 0, true});
    EXPECT_FALSE(HasColour(otherMonth, otherMonth.rect(), Blue));

    const QImage sunday = Render(table, {december, QDate(2026, 12, 13), 0, true});
    EXPECT_FALSE(HasColour(sunday, sunday.rect(), Blue));
    EXPECT_TRUE(HasColour(sunday, DayNumberBox(DayTop(table, december, 13)), Red));
}

TEST(MonthCalendar, SettledTermsGreenOpenOnesRed)
{
    TAccTable table = EmptyTable();
    AddInvoice(table, QStringLiteral("Strom"), {QStringLiteral("03.11.2026!"), QStringLiteral("03.11.2026")});
    const QDate november(2026, 11, 1);
    const QImage image = Render(table, {november, QDate(2026, 1, 1), 0, true});
    const int top = DayTop(table, november, 3);
    EXPECT_TRUE(HasColour(image, NameBox(top), Green));
    EXPECT_FALSE(HasColour(image, NameBox(top), Red));
    EXPECT_TRUE(HasColour(image, NameBox(top + 14), Red));
    EXPECT_FALSE(HasColour(image, NameBox(top + 14), Green));
}

TEST(MonthCalendar, HeaderBandAndRules)
{
    const QImage image = Render(EmptyTable(), {QDate(2017, 11, 1), QDate(2017, 1, 1), 0, true});
    EXPECT_EQ(image.pixelColor(0, 1), QColor(0xC2, 0xDA, 0xCB));
    EXPECT_EQ(image.pixelColor(239, 1), QColor(0xF1, 0xEF, 0xE7));
    EXPECT_EQ(image.pixelColor(260, 1), QColor(0xF1, 0xEF, 0xE7));
    EXPECT_EQ(image.pixelColor(150, 20), QColor(0xA3, 0x9A, 0x78));
    EXPECT_EQ(image.pixelColor(295, 20), QColor(0xA3, 0x9A, 0x78));
    EXPECT_EQ(image.pixelColor(296, 20), QColor(0xF1, 0xEF, 0xE7));
    // Nothing left undrawn at the bottom.
    EXPECT_EQ(image.pixelColor(150, image.height() - 1), QColor(0xF1, 0xEF, 0xE7));
}

} // namespace
