#include "calendar/DateUtils.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>

namespace {

// ---------------------------------------------------------------- leap years

struct TLeapCase
{
    int Year;
    bool Leap;
};

void PrintTo(const TLeapCase &c, std::ostream *os)
{
    *os << c.Year;
}

class LeapYearTest : public ::testing::TestWithParam<TLeapCase> {};

TEST_P(LeapYearTest, FollowsGregorianRule)
{
    const TLeapCase c = GetParam();
    EXPECT_EQ(IsLeapYear(c.Year), c.Leap) << c.Year;
    EXPECT_EQ(DaysInMonth(c.Year, 2), c.Leap ? 29 : 28) << c.Year;
}

INSTANTIATE_TEST_SUITE_P(Years, LeapYearTest,
                         ::testing::Values(TLeapCase{2000, true}, TLeapCase{1900, false},
                                           TLeapCase{2016, true}, TLeapCase{2017, false},
                                           TLeapCase{2100, false}, TLeapCase{2400, true},
                                           TLeapCase{1600, true}, TLeapCase{1700, false},
                                           TLeapCase{2024, true}, TLeapCase{2023, false}));

TEST(LeapYear, AgreesWithQDateOverFourCenturies)
{
    for (int year = 1601; year <= 2400; ++year)
        ASSERT_EQ(IsLeapYear(year), QDate::isLeapYear(year)) << year;
}

TEST(DaysInMonth, MatchesTheCalendarForEveryMonth)
{
    for (int year : {1900, 2000, 2017, 2020}) {
        int daysInYear = 0;
        for (int month = 1; month <= 12; ++month) {
            const int days = DaysInMonth(year, month);
            EXPECT_EQ(days, QDate(year, month, 1).daysInMonth()) << year << '-' << month;
            daysInYear += days;
        }
        EXPECT_EQ(daysInYear, IsLeapYear(year) ? 366 : 365) << year;
    }
}

TEST(DaysInMonth, IsZeroOutsideTheTwelveMonths)
{
    for (int month : {0, 13, -1, 100, std::numeric_limits<int>::min()})
        EXPECT_EQ(DaysInMonth(2017, month), 0) << month;
}

// -------------------------------------------------------------------- Easter

struct TEasterCase
{
    int Year;
    int Month;
    int Day;
};

void PrintTo(const TEasterCase &c, std::ostream *os)
{
    *os << c.Year;
}

class EasterExampleTest : public ::testing::TestWithParam<TEasterCase> {};

TEST_P(EasterExampleTest, FallsOnKnownDate)
{
    const TEasterCase c = GetParam();
    EXPECT_EQ(EasterSunday(static_cast<std::uint16_t>(c.Year)), QDate(c.Year, c.Month, c.Day));
}

// 1954 and 1981 are the two corrections of Gauss's rule; 2100 lies just past
// its range.
INSTANTIATE_TEST_SUITE_P(Years, EasterExampleTest,
                         ::testing::Values(TEasterCase{1954, 4, 18}, TEasterCase{1981, 4, 19},
                                           TEasterCase{2008, 3, 23}, TEasterCase{2017, 4, 16},
                                           TEasterCase{2019, 4, 21}, TEasterCase{2024, 3, 31},
                                           TEasterCase{2025, 4, 20}, TEasterCase{2100, 3, 28},
                                           TEasterCase{1899, 4, 2}, TEasterCase{1583, 4, 10}));

TEST(Easter, MatchesReferenceTableInEveryYear)
{
    QFile file(QStringLiteral(ZANDIVO_TEST_SOURCE_DIR "/calendar/data/easter.tsv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    ASSERT_EQ(in.readLine(), QStringLiteral("year\tdate"));

    QStringList mismatches;
    int rows = 0;
    int lastYear = 1582;
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(u'\t');
        ASSERT_EQ(fields.size(), 2);
        const int year = fields[0].toInt();
        const QDate expected = QDate::fromString(fields[1], QStringLiteral("dd.MM.yyyy"));
        ASSERT_TRUE(expected.isValid()) << fields[1].toStdString();
        ASSERT_EQ(year, lastYear + 1) << "table has a gap";
        lastYear = year;
        ++rows;

        const QDate easter = EasterSunday(static_cast<std::uint16_t>(year));
        if (easter != expected || easter.dayOfWeek() != Qt::Sunday)
            mismatches << QStringLiteral("%1: %2, expected %3")
                              .arg(year)
                              .arg(easter.toString(Qt::ISODate), expected.toString(Qt::ISODate));
    }
    EXPECT_EQ(lastYear, 2299);
    EXPECT_GT(rows, 0);
    EXPECT_TRUE(mismatches.isEmpty()) << mismatches.join(u'\n').toStdString();
}

TEST(Easter, IsASundayBetween22MarchAnd25AprilInEveryYear)
{
    for (int year = 1; year <= std::numeric_limits<std::uint16_t>::max(); ++year) {
        const QDate easter = EasterSunday(static_cast<std::uint16_t>(year));
        ASSERT_TRUE(easter.isValid()) << year;
        ASSERT_EQ(easter.year(), year);
        ASSERT_EQ(easter.dayOfWeek(), Qt::Sunday) << year;
        ASSERT_GE(easter, QDate(year, 3, 22)) << year;
        ASSERT_LE(easter, QDate(year, 4, 25)) << year;
    }
}

// ------------------------------------------------------------ ISO week number

struct TWeekCase
{
    QDate Date;
    int Week;
};

void PrintTo(const TWeekCase &c, std::ostream *os)
{
    *os << c.Date.toString(Qt::ISODate).toStdString();
}

class IsoWeekTest : public ::testing::TestWithParam<TWeekCase> {};

TEST_P(IsoWeekTest, NumbersTheWeek)
{
    EXPECT_EQ(IsoWeekNumber(GetParam().Date), GetParam().Week);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, IsoWeekTest,
    ::testing::Values(TWeekCase{QDate(2021, 1, 1), 53}, TWeekCase{QDate(2021, 1, 3), 53},
                      TWeekCase{QDate(2021, 1, 4), 1}, TWeekCase{QDate(2020, 12, 31), 53},
                      TWeekCase{QDate(2018, 12, 31), 1}, TWeekCase{QDate(2017, 1, 1), 52},
                      TWeekCase{QDate(2017, 1, 2), 1}, TWeekCase{QDate(2015, 12, 31), 53},
                      TWeekCase{QDate(2024, 12, 30), 1}, TWeekCase{QDate(2017, 3, 5), 9}));

TEST(IsoWeek, StartsOnMondayAndHoldsTheFirstThursday)
{
    for (int year = 1990; year <= 2060; ++year) {
        QDate day(year, 1, 1);
        while (day.dayOfWeek() != Qt::Thursday)
            day = day.addDays(1);
        EXPECT_EQ(IsoWeekNumber(day), 1) << year;
        const QDate monday = day.addDays(-3);
        EXPECT_EQ(IsoWeekNumber(monday), 1) << year;
        EXPECT_NE(IsoWeekNumber(monday.addDays(-1)), 1) << year;
    }
}

// ------------------------------------------------------------ stored dates

TEST(DateText, RoundTripsEveryDayOfEightyYears)
{
    for (QDate day(1960, 1, 1); day <= QDate(2040, 12, 31); day = day.addDays(1)) {
        const QString text = DateText(day);
        ASSERT_EQ(text, day.toString(QStringLiteral("dd.MM.yyyy")));
        ASSERT_EQ(ParseDateText(text), day) << text.toStdString();
    }
}

struct TTextCase
{
    QDate Date;
    const char16_t *Text;
};

void PrintTo(const TTextCase &c, std::ostream *os)
{
    *os << c.Date.toString(Qt::ISODate).toStdString();
}

class DateTextTest : public ::testing::TestWithParam<TTextCase> {};

TEST_P(DateTextTest, WritesTwoDigitDayAndMonthAndFourDigitYear)
{
    EXPECT_EQ(DateText(GetParam().Date), QString::fromUtf16(GetParam().Text));
}

INSTANTIATE_TEST_SUITE_P(Dates, DateTextTest,
                         ::testing::Values(TTextCase{QDate(2017, 3, 5), u"05.03.2017"},
                                           TTextCase{QDate(999, 12, 31), u"31.12.0999"},
                                           TTextCase{QDate(1, 1, 1), u"01.01.0001"},
                                           TTextCase{QDate(9999, 12, 31), u"31.12.9999"},
                                           TTextCase{QDate(), u""},
                                           TTextCase{QDate(10000, 1, 1), u""},
                                           TTextCase{QDate(-5, 1, 1), u""}));

class ParseRejectTest : public ::testing::TestWithParam<const char16_t *> {};

TEST_P(ParseRejectTest, GivesAnInvalidDate)
{
    const QString text = QString::fromUtf16(GetParam());
    EXPECT_FALSE(ParseDateText(text).isValid()) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseRejectTest,
    ::testing::Values(u"", u"5.3.2017", u"05.03.17", u"05.3.2017", u"05.03.02017", u"005.03.2017",
                      u"31.02.2017", u"29.02.2017", u"29.02.1900", u"00.03.2017", u"05.00.2017",
                      u"05.13.2017", u"32.01.2017", u"05.03.0000", u"05-03-2017", u"05/03/2017",
                      u"05.03.2017 ", u" 05.03.2017", u"05. 3.2017", u"05.03. 017", u"ab.cd.efgh",
                      u"05.03.2O17", u"+5.03.2017", u"-5.03.2017", u"05.03.-017", u"05,03,2017",
                      u"\u0660\u0665.03.2017", u"０5.03.2017", u"2017-03-05", u"          "));

TEST(ParseDateText, AcceptsLeapDayOnlyInLeapYears)
{
    EXPECT_EQ(ParseDateText(u"29.02.2016"), QDate(2016, 2, 29));
    EXPECT_EQ(ParseDateText(u"29.02.2000"), QDate(2000, 2, 29));
    EXPECT_FALSE(ParseDateText(u"29.02.2100").isValid());
}

} // namespace
