#include "calendar/FormatSettings.h"

#include <QLocale>
#include <QStringView>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Layouts of the currency codes: A amount, S symbol, '-' the minus sign,
// anything else is copied as it stands.
constexpr std::array<QStringView, 4> PositiveLayouts = {u"SA", u"AS", u"S A", u"A S"};
constexpr std::array<QStringView, 16> NegativeLayouts = {
    u"(SA)", u"-SA", u"S-A", u"SA-", u"(AS)", u"-AS", u"A-S", u"AS-",
    u"-A S", u"-S A", u"A S-", u"S A-", u"S -A", u"A- S", u"(S A)", u"(A S)",
};
constexpr int DefaultPositiveLayout = 3;
constexpr int DefaultNegativeLayout = 8;

// More decimals than a double carries digits would only print zeros.
constexpr int MaxCurrencyDecimals = 18;
// A double holds 15 significant decimal digits faithfully; rounding on them
// (not on the binary value) turns 1.005 into 1.01 as a reader expects.
constexpr int SignificantDigits = 15;

struct TRoundedAmount
{
    QString IntegerDigits;
    QString FractionDigits;
    bool IsZero = true;
};

// Adds one to a string of decimal digits.
void IncrementDigits(QString &digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return;
        }
        digits[i] = u'0';
    }
    digits.prepend(u'1');
}

// |value| rounded half away from zero to the given number of decimals.
TRoundedAmount RoundMagnitude(double magnitude, int decimals)
{
    // "d.<14 digits>e±x": fifteen digits, the first of them worth 10^x.
    char buffer[32];
    const char *end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                    std::chars_format::scientific, SignificantDigits - 1)
                          .ptr;
    QString mantissa;
    mantissa.append(QLatin1Char(buffer[0]));
    for (int i = 2; i <= SignificantDigits; ++i)
        mantissa.append(QLatin1Char(buffer[i]));
    const char *exponentSign = buffer + SignificantDigits + 2;
    int exponent = 0;
    std::from_chars(exponentSign + 1, end, exponent);
    if (*exponentSign == '-')
        exponent = -exponent;

    // Digits down to 10^-decimals stay; the next one decides the rounding.
    const int kept = exponent + decimals + 1;
    QString units;
    if (kept > 0) {
        units = mantissa.left(std::min(kept, SignificantDigits));
        if (kept > SignificantDigits)
            units.append(QString(kept - SignificantDigits, u'0'));
    }
    if (kept >= 0 && kept < SignificantDigits && mantissa[kept] >= u'5')
        IncrementDigits(units);

    if (units.size() <= decimals)
        units.prepend(QString(decimals + 1 - units.size(), u'0'));

    TRoundedAmount amount;
    amount.IsZero = std::all_of(units.cbegin(), units.cend(), [](QChar c) { return c == u'0'; });
    // Leading zeros go, but one digit always stays before the separator.
    const qsizetype integerLength = units.size() - decimals;
    qsizetype leadingZeros = 0;
    while (leadingZeros + 1 < integerLength && units[leadingZeros] == u'0')
        ++leadingZeros;
    amount.IntegerDigits = units.sliced(leadingZeros, integerLength - leadingZeros);
    amount.FractionDigits = units.right(decimals);
    return amount;
}

QString GroupThousands(const QString &digits, QChar separator)
{
    if (separator.isNull())
        return digits;
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped.append(separator);
        grouped.append(digits[i]);
    }
    return grouped;
}

QString ZeroPadded(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

QString StripFullStop(QString name)
{
    if (name.endsWith(u'.'))
        name.chop(1);
    return name;
}

template <std::size_t N>
QString NameAt(const std::array<QString, N> &names, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        return QString();
    return names[static_cast<std::size_t>(index)];
}

// Writes a date and time pattern: d dd ddd dddd, M MM MMM MMMM, yy yyyy,
// h hh (24-hour; H is the same), m mm, s ss; '/' is the date separator, ':'
// the time separator, text in single quotes stays as it is ('' is a quote).
// Date letters write nothing without a valid date, time letters nothing
// without a valid time.
QString FormatPattern(const TFormatSettings &format, QStringView pattern, QDate date, QTime time)
{
    QString out;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            ++i;
            if (i < pattern.size() && pattern[i] == u'\'') {
                out.append(u'\'');
                ++i;
                continue;
            }
            // Quoted text up to the closing quote, or to the end if none.
            while (i < pattern.size()) {
                if (pattern[i] != u'\'') {
                    out.append(pattern[i++]);
                } else if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                    out.append(u'\'');
                    i += 2;
                } else {
                    ++i;
                    break;
                }
            }
            continue;
        }

        // Date letters take up to four repeats, time letters two; a longer
        // run starts the next field.
        const bool dateField = c == u'd' || c == u'M' || c == u'y';
        const bool timeField = c == u'h' || c == u'H' || c == u'm' || c == u's';
        const qsizetype longest = dateField ? 4 : (timeField ? 2 : 1);
        qsizetype run = 1;
        while (run < longest && i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        const int count = static_cast<int>(run);

        switch (c.unicode()) {
        case u'd':
            if (!date.isValid())
                break;
            if (count <= 2)
                out.append(ZeroPadded(date.day(), count));
            else if (count == 3)
                out.append(format.ShortDayName(date));
            else
                out.append(format.LongDayName(date));
            break;
        case u'M':
            if (!date.isValid())
                break;
            if (count <= 2)
                out.append(ZeroPadded(date.month(), count));
            else if (count == 3)
                out.append(NameAt(format.ShortMonthNames, date.month() - 1));
            else
                out.append(format.LongMonthName(date.month()));
            break;
        case u'y':
            if (!date.isValid())
                break;
            if (count <= 2)
                out.append(ZeroPadded(std::abs(date.year()) % 100, 2));
            else
                out.append(ZeroPadded(date.year(), 4));
            break;
        case u'h':
        case u'H':
            if (time.isValid())
                out.append(ZeroPadded(time.hour(), count));
            break;
        case u'm':
            if (time.isValid())
                out.append(ZeroPadded(time.minute(), count));
            break;
        case u's':
            if (time.isValid())
                out.append(ZeroPadded(time.second(), count));
            break;
        case u'/':
            out.append(format.DateSeparator);
            break;
        case u':':
            out.append(format.TimeSeparator);
            break;
        default:
            out.append(c);
            break;
        }
        i += run;
    }
    return out;
}

} // namespace

QString TFormatSettings::FormatMoney(double value) const
{
    if (!std::isfinite(value))
        return QString();

    const int decimals = std::clamp(CurrencyDecimals, 0, MaxCurrencyDecimals);
    const TRoundedAmount amount = RoundMagnitude(std::fabs(value), decimals);
    QString number = GroupThousands(amount.IntegerDigits, ThousandSeparator);
    if (decimals > 0) {
        number.append(DecimalSeparator);
        number.append(amount.FractionDigits);
    }

    // An amount that rounds to zero carries no minus sign.
    const bool negative = value < 0 && !amount.IsZero;
    QStringView layout;
    if (negative) {
        const bool known = NegCurrFormat >= 0 && NegCurrFormat < static_cast<int>(NegativeLayouts.size());
        layout = NegativeLayouts[static_cast<std::size_t>(known ? NegCurrFormat : DefaultNegativeLayout)];
    } else {
        const bool known = CurrencyFormat >= 0 && CurrencyFormat < static_cast<int>(PositiveLayouts.size());
        layout = PositiveLayouts[static_cast<std::size_t>(known ? CurrencyFormat : DefaultPositiveLayout)];
    }

    QString out;
    for (const QChar c : layout) {
        if (c == u'A')
            out.append(number);
        else if (c == u'S')
            out.append(CurrencyString);
        else
            out.append(c);
    }
    return out;
}

QString TFormatSettings::FormatShortDate(QDate date) const
{
    if (!date.isValid())
        return QString();
    return FormatPattern(*this, ShortDateFormat, date, QTime());
}

QString TFormatSettings::FormatLongDate(QDate date) const
{
    if (!date.isValid())
        return QString();
    return FormatPattern(*this, LongDateFormat, date, QTime());
}

QString TFormatSettings::FormatTime(QTime time, bool withSeconds) const
{
    if (!time.isValid())
        return QString();
    return FormatPattern(*this, withSeconds ? LongTimeFormat : ShortTimeFormat, QDate(), time);
}

QString TFormatSettings::ShortDayName(QDate date) const
{
    return date.isValid() ? NameAt(ShortDayNames, date.dayOfWeek() - 1) : QString();
}

QString TFormatSettings::LongDayName(QDate date) const
{
    return date.isValid() ? NameAt(LongDayNames, date.dayOfWeek() - 1) : QString();
}

QString TFormatSettings::LongMonthName(int month) const
{
    return NameAt(LongMonthNames, month - 1);
}

TFormatSettings InitFormatSettings()
{
    // Named explicitly: the default locale is whatever the desktop says.
    const QLocale german(QLocale::German, QLocale::Germany);
    TFormatSettings format;
    for (int day = 1; day <= 7; ++day) {
        const auto index = static_cast<std::size_t>(day - 1);
        format.ShortDayNames[index] = StripFullStop(german.standaloneDayName(day, QLocale::ShortFormat));
        format.LongDayNames[index] = german.dayName(day, QLocale::LongFormat);
    }
    for (int month = 1; month <= 12; ++month) {
        const auto index = static_cast<std::size_t>(month - 1);
        format.ShortMonthNames[index] =
            StripFullStop(german.standaloneMonthName(month, QLocale::ShortFormat));
        format.LongMonthNames[index] = german.monthName(month, QLocale::LongFormat);
    }
    return format;
}
