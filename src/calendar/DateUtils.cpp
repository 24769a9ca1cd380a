#include "calendar/DateUtils.h"

#include <array>

namespace {

constexpr std::array<int, 12> MonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Floor division and modulo, so that the computus also holds for years
// before the common era.
constexpr int FloorDiv(int a, int b)
{
    const int q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

constexpr int FloorMod(int a, int b)
{
    return a - FloorDiv(a, b) * b;
}

// Gauss's Easter rule with the constants of 1900–2099 (M = 24, N = 5) and
// his two corrections that keep the date within 22 March … 25 April.
QDate GaussEaster(int year)
{
    const int a = year % 19;
    const int b = year % 4;
    const int c = year % 7;
    const int d = (19 * a + 24) % 30;
    const int e = (2 * b + 4 * c + 6 * d + 5) % 7;
    const int march = 22 + d + e;
    if (march <= 31)
        return QDate(year, 3, march);
    int april = d + e - 9;
    if (april == 26)
        april = 19;
    else if (april == 25 && d == 28 && e == 6 && a > 10)
        april = 18;
    return QDate(year, 4, april);
}

// The full Gregorian computus (anonymous Gregorian algorithm), valid for
// every proleptic Gregorian year.
QDate ComputusEaster(int year)
{
    const int a = FloorMod(year, 19);
    const int b = FloorDiv(year, 100);
    const int c = FloorMod(year, 100);
    const int d = FloorDiv(b, 4);
    const int e = FloorMod(b, 4);
    const int f = FloorDiv(b + 8, 25);
    const int g = FloorDiv(b - f + 1, 3);
    const int h = FloorMod(19 * a + b - d - g + 15, 30);
    const int i = c / 4;
    const int k = c % 4;
    const int l = FloorMod(32 + 2 * e + 2 * i - h - k, 7);
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    return QDate(year, n / 31, n % 31 + 1);
}

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int DigitsValue(QStringView digits)
{
    int value = 0;
    for (const QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

} // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month)
{
    if (month < 1 || month > 12)
        return 0;
    const int days = MonthLengths[static_cast<std::size_t>(month - 1)];
    return (month == 2 && IsLeapYear(year)) ? days + 1 : days;
}

QDate EasterSunday(std::uint16_t year)
{
    if (year >= 1900 && year <= 2099)
        return GaussEaster(year);
    return ComputusEaster(year);
}

int IsoWeekNumber(QDate date)
{
    return date.weekNumber();
}

QString DateText(QDate date)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return QString();
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QDate ParseDateText(QStringView text)
{
    if (text.size() != 10 || text[2] != u'.' || text[5] != u'.')
        return QDate();
    for (const qsizetype pos : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (!IsAsciiDigit(text[pos]))
            return QDate();
    }
    // QDate refuses day 0, month 13, 31.02. and year 0 by itself.
    return QDate(DigitsValue(text.sliced(6, 4)), DigitsValue(text.sliced(3, 2)),
                 DigitsValue(text.sliced(0, 2)));
}
