#include "calendar/FormatSettings.h"

#include <QLocale>
#include <QString>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <ostream>

namespace {

// Switches the default locale for one test and puts the previous one back.
class TDefaultLocale
{
public:
    explicit TDefaultLocale(const QLocale &locale) : Previous(QLocale())
    {
        QLocale::setDefault(locale);
    }
    ~TDefaultLocale() { QLocale::setDefault(Previous); }
    TDefaultLocale(const TDefaultLocale &) = delete;
    TDefaultLocale &operator=(const TDefaultLocale &) = delete;

private:
    QLocale Previous;
};

// ------------------------------------------------------------------ names

TEST(FormatSettingsNames, AreGermanWhateverTheDefaultLocale)
{
    const std::array<QLocale, 3> locales = {QLocale(QLocale::English, QLocale::UnitedStates),
                                            QLocale(QLocale::French, QLocale::France),
                                            QLocale(QLocale::Japanese, QLocale::Japan)};
    const std::array<const char16_t *, 7> shortDays = {u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa", u"So"};
    const std::array<const char16_t *, 7> longDays = {u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag",
                                                      u"Freitag", u"Samstag", u"Sonntag"};
    const std::array<const char16_t *, 12> longMonths = {
        u"Januar", u"Februar", u"März", u"April", u"Mai", u"Juni",
        u"Juli", u"August", u"September", u"Oktober", u"November", u"Dezember"};

    for (const QLocale &locale : locales) {
        const TDefaultLocale guard(locale);
        const TFormatSettings format = InitFormatSettings();
        const std::string where = locale.name().toStdString();
        for (std::size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(format.ShortDayNames[i], QString::fromUtf16(shortDays[i])) << where;
            EXPECT_EQ(format.LongDayNames[i], QString::fromUtf16(longDays[i])) << where;
        }
        for (std::size_t i = 0; i < 12; ++i) {
            EXPECT_EQ(format.LongMonthNames[i], QString::fromUtf16(longMonths[i])) << where;
            EXPECT_FALSE(format.ShortMonthNames[i].isEmpty()) << where;
            EXPECT_FALSE(format.ShortMonthNames[i].endsWith(u'.')) << where;
            EXPECT_TRUE(format.LongMonthNames[i].startsWith(format.ShortMonthNames[i].left(3))) << where;
        }
    }
}

TEST(FormatSettingsNames, FollowTheWeekdayOfTheDate)
{
    const TFormatSettings format = InitFormatSettings();
    // 6 March 2017 was a Monday.
    const std::array<const char16_t *, 7> shortDays = {u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa", u"So"};
    for (int offset = 0; offset < 14; ++offset) {
        const QDate day = QDate(2017, 3, 6).addDays(offset);
        EXPECT_EQ(format.ShortDayName(day), QString::fromUtf16(shortDays[static_cast<std::size_t>(offset % 7)]));
        EXPECT_EQ(format.LongDayName(day), format.LongDayNames[static_cast<std::size_t>(offset % 7)]);
    }
    EXPECT_TRUE(format.ShortDayName(QDate()).isEmpty());
    EXPECT_TRUE(format.LongDayName(QDate()).isEmpty());
}

TEST(FormatSettingsNames, MonthNameIsEmptyOutsideTheYear)
{
    const TFormatSettings format = InitFormatSettings();
    EXPECT_EQ(format.LongMonthName(1), QStringLiteral("Januar"));
    EXPECT_EQ(format.LongMonthName(12), QStringLiteral("Dezember"));
    for (int month : {0, 13, -1})
        EXPECT_TRUE(format.LongMonthName(month).isEmpty()) << month;
}

// ------------------------------------------------------------------ money

struct TMoneyCase
{
    double Value;
    const char16_t *Text;
};

void PrintTo(const TMoneyCase &c, std::ostream *os)
{
    *os << c.Value;
}

class FormatMoneyTest : public ::testing::TestWithParam<TMoneyCase> {};

TEST_P(FormatMoneyTest, WritesGermanAmount)
{
    const TDefaultLocale guard(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(InitFormatSettings().FormatMoney(GetParam().Value), QString::fromUtf16(GetParam().Text));
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, FormatMoneyTest,
    ::testing::Values(TMoneyCase{1234.5, u"1.234,50 €"}, TMoneyCase{-1234.5, u"-1.234,50 €"},
                      TMoneyCase{0.0, u"0,00 €"}, TMoneyCase{-0.0, u"0,00 €"},
                      TMoneyCase{1234567.891, u"1.234.567,89 €"}, TMoneyCase{0.005, u"0,01 €"},
                      TMoneyCase{-0.005, u"-0,01 €"}, TMoneyCase{0.0049, u"0,00 €"},
                      TMoneyCase{-0.001, u"0,00 €"}, TMoneyCase{-1e-12, u"0,00 €"},
                      TMoneyCase{1.005, u"1,01 €"}, TMoneyCase{2.675, u"2,68 €"},
                      TMoneyCase{0.285, u"0,29 €"}, TMoneyCase{999.995, u"1.000,00 €"},
                      TMoneyCase{999999.999, u"1.000.000,00 €"}, TMoneyCase{12.0, u"12,00 €"},
                      TMoneyCase{123.0, u"123,00 €"}, TMoneyCase{1000.0, u"1.000,00 €"},
                      TMoneyCase{0.1, u"0,10 €"}, TMoneyCase{0.07, u"0,07 €"},
                      TMoneyCase{1e15, u"1.000.000.000.000.000,00 €"},
                      TMoneyCase{-98765432.1, u"-98.765.432,10 €"}));

TEST(FormatMoney, UsesTheSettingsSymbolAndSeparators)
{
    TFormatSettings format = InitFormatSettings();
    format.CurrencyString = QStringLiteral("EUR");
    EXPECT_EQ(format.FormatMoney(1234.5), QStringLiteral("1.234,50 EUR"));
    EXPECT_EQ(format.FormatMoney(-1234.5), QStringLiteral("-1.234,50 EUR"));

    format.ThousandSeparator = u'\'';
    format.DecimalSeparator = u'.';
    EXPECT_EQ(format.FormatMoney(1234567.891), QStringLiteral("1'234'567.89 EUR"));

    format.ThousandSeparator = QChar();
    EXPECT_EQ(format.FormatMoney(1234567.891), QStringLiteral("1234567.89 EUR"));
}

struct TDecimalsCase
{
    int Decimals;
    double Value;
    const char16_t *Text;
};

void PrintTo(const TDecimalsCase &c, std::ostream *os)
{
    *os << c.Value << " with " << c.Decimals << " decimals";
}

class CurrencyDecimalsTest : public ::testing::TestWithParam<TDecimalsCase> {};

TEST_P(CurrencyDecimalsTest, RoundsToTheDecimals)
{
    TFormatSettings format = InitFormatSettings();
    format.CurrencyDecimals = GetParam().Decimals;
    EXPECT_EQ(format.FormatMoney(GetParam().Value), QString::fromUtf16(GetParam().Text));
}

INSTANTIATE_TEST_SUITE_P(
    Decimals, CurrencyDecimalsTest,
    ::testing::Values(TDecimalsCase{0, 1234.5, u"1.235 €"}, TDecimalsCase{0, -1234.5, u"-1.235 €"},
                      TDecimalsCase{0, 0.4, u"0 €"}, TDecimalsCase{0, -0.4, u"0 €"},
                      TDecimalsCase{0, 999.5, u"1.000 €"}, TDecimalsCase{3, 1.0005, u"1,001 €"},
                      TDecimalsCase{3, 1234.5, u"1.234,500 €"}, TDecimalsCase{1, 0.05, u"0,1 €"},
                      TDecimalsCase{-2, 12.5, u"13 €"}));

struct TLayoutCase
{
    int Positive;
    int Negative;
    const char16_t *PositiveText;
    const char16_t *NegativeText;
};

void PrintTo(const TLayoutCase &c, std::ostream *os)
{
    *os << "layouts " << c.Positive << '/' << c.Negative;
}

class CurrencyLayoutTest : public ::testing::TestWithParam<TLayoutCase> {};

TEST_P(CurrencyLayoutTest, PlacesSymbolAndSign)
{
    TFormatSettings format = InitFormatSettings();
    format.CurrencyFormat = GetParam().Positive;
    format.NegCurrFormat = GetParam().Negative;
    EXPECT_EQ(format.FormatMoney(12.5), QString::fromUtf16(GetParam().PositiveText));
    EXPECT_EQ(format.FormatMoney(-12.5), QString::fromUtf16(GetParam().NegativeText));
}

// Codes outside the known ones fall back to the German layout.
INSTANTIATE_TEST_SUITE_P(
    Layouts, CurrencyLayoutTest,
    ::testing::Values(TLayoutCase{0, 0, u"€12,50", u"(€12,50)"}, TLayoutCase{1, 1, u"12,50€", u"-€12,50"},
                      TLayoutCase{2, 5, u"€ 12,50", u"-12,50€"}, TLayoutCase{3, 8, u"12,50 €", u"-12,50 €"},
                      TLayoutCase{3, 10, u"12,50 €", u"12,50 €-"}, TLayoutCase{2, 12, u"€ 12,50", u"€ -12,50"},
                      TLayoutCase{3, 15, u"12,50 €", u"(12,50 €)"}, TLayoutCase{4, 16, u"12,50 €", u"-12,50 €"},
                      TLayoutCase{-1, -1, u"12,50 €", u"-12,50 €"}));

TEST(FormatMoney, LeavesValuesThatAreNoNumberEmpty)
{
    const TFormatSettings format = InitFormatSettings();
    EXPECT_TRUE(format.FormatMoney(std::numeric_limits<double>::quiet_NaN()).isEmpty());
    EXPECT_TRUE(format.FormatMoney(std::numeric_limits<double>::infinity()).isEmpty());
    EXPECT_TRUE(format.FormatMoney(-std::numeric_limits<double>::infinity()).isEmpty());
}

// Every whole cent up to 100 € must come back unchanged, whatever binary
// fraction the double holds.
TEST(FormatMoney, KeepsEveryCentExact)
{
    TFormatSettings format = InitFormatSettings();
    format.ThousandSeparator = QChar();
    for (int cents = 0; cents <= 10000; ++cents) {
        const QString expected = QStringLiteral("%1,%2 €").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
        ASSERT_EQ(format.FormatMoney(cents / 100.0), expected);
        if (cents > 0) {
            ASSERT_EQ(format.FormatMoney(-cents / 100.0), u'-' + expected);
        }
    }
}

// ------------------------------------------------------------ dates and times

struct TDateCase
{
    QDate Date;
    const char16_t *Short;
    const char16_t *Long;
};

void PrintTo(const TDateCase &c, std::ostream *os)
{
    *os << c.Date.toString(Qt::ISODate).toStdString();
}

class FormatDateTest : public ::testing::TestWithParam<TDateCase> {};

TEST_P(FormatDateTest, WritesShortAndLongForm)
{
    const TDefaultLocale guard(QLocale(QLocale::English, QLocale::UnitedStates));
    const TFormatSettings format = InitFormatSettings();
    EXPECT_EQ(format.FormatShortDate(GetParam().Date), QString::fromUtf16(GetParam().Short));
    EXPECT_EQ(format.FormatLongDate(GetParam().Date), QString::fromUtf16(GetParam().Long));
}

INSTANTIATE_TEST_SUITE_P(
    Dates, FormatDateTest,
    ::testing::Values(TDateCase{QDate(2017, 3, 5), u"05.03.2017", u"Sonntag, 5. März 2017"},
                      TDateCase{QDate(2017, 3, 6), u"06.03.2017", u"Montag, 6. März 2017"},
                      TDateCase{QDate(2024, 12, 31), u"31.12.2024", u"Dienstag, 31. Dezember 2024"},
                      TDateCase{QDate(2000, 2, 29), u"29.02.2000", u"Dienstag, 29. Februar 2000"},
                      TDateCase{QDate(999, 1, 1), u"01.01.0999", u"Dienstag, 1. Januar 0999"},
                      TDateCase{QDate(), u"", u""}));

TEST(FormatDate, FollowsChangedPatternsAndSeparators)
{
    TFormatSettings format = InitFormatSettings();
    const QDate day(2017, 3, 5);

    format.ShortDateFormat = QStringLiteral("d/M/yy");
    format.DateSeparator = u'-';
    EXPECT_EQ(format.FormatShortDate(day), QStringLiteral("5-3-17"));

    format.LongDateFormat = QStringLiteral("ddd, dd. MMM yyyy");
    EXPECT_EQ(format.FormatLongDate(day), QStringLiteral("So, 05. ") + format.ShortMonthNames[2]
                                              + QStringLiteral(" 2017"));

    // Quoted text is no field, and '' is a quote.
    format.LongDateFormat = QStringLiteral("'day' d 'of' MMMM, 'yy''s' yyyy");
    EXPECT_EQ(format.FormatLongDate(day), QStringLiteral("day 5 of März, yy's 2017"));
}

struct TTimeCase
{
    QTime Time;
    const char16_t *Short;
    const char16_t *Long;
};

void PrintTo(const TTimeCase &c, std::ostream *os)
{
    *os << c.Time.toString(Qt::ISODate).toStdString();
}

class FormatTimeTest : public ::testing::TestWithParam<TTimeCase> {};

TEST_P(FormatTimeTest, WritesTwentyFourHourClock)
{
    const TDefaultLocale guard(QLocale(QLocale::English, QLocale::UnitedStates));
    const TFormatSettings format = InitFormatSettings();
    EXPECT_EQ(format.FormatTime(GetParam().Time, false), QString::fromUtf16(GetParam().Short));
    EXPECT_EQ(format.FormatTime(GetParam().Time, true), QString::fromUtf16(GetParam().Long));
}

INSTANTIATE_TEST_SUITE_P(Times, FormatTimeTest,
                         ::testing::Values(TTimeCase{QTime(14, 5, 9), u"14:05", u"14:05:09"},
                                           TTimeCase{QTime(0, 0, 0), u"00:00", u"00:00:00"},
                                           TTimeCase{QTime(23, 59, 59, 999), u"23:59", u"23:59:59"},
                                           TTimeCase{QTime(9, 30, 0), u"09:30", u"09:30:00"},
                                           TTimeCase{QTime(12, 0, 1), u"12:00", u"12:00:01"},
                                           TTimeCase{QTime(), u"", u""}));

TEST(FormatTime, UsesTheTimeSeparator)
{
    TFormatSettings format = InitFormatSettings();
    format.TimeSeparator = u'.';
    EXPECT_EQ(format.FormatTime(QTime(7, 8, 9), true), QStringLiteral("07.08.09"));
}

} // namespace
