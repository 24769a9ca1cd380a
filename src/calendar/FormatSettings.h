#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <QTime>

#include <array>

// The one date and number format of the program: German names and
// separators whatever the system locale says.
struct TFormatSettings
{
    int CurrencyFormat = 3;   // amount, blank, symbol
    int CurrencyDecimals = 2;
    int NegCurrFormat = 8;    // minus before the amount, symbol after
    QChar DateSeparator = u'.';
    QChar TimeSeparator = u':';
    QString ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    QString LongDateFormat = QStringLiteral("dddd, d. MMMM yyyy");
    QString TimeAMString;
    QString TimePMString;
    QString ShortTimeFormat = QStringLiteral("hh:mm");
    QString LongTimeFormat = QStringLiteral("hh:mm:ss");
    QChar ThousandSeparator = u'.';
    QChar DecimalSeparator = u',';
    QString CurrencyString = QStringLiteral("€");

    // Index 0 is Monday, as in Qt::DayOfWeek minus one. Short names carry no
    // full stop ("Mo" … "So").
    std::array<QString, 7> ShortDayNames;
    std::array<QString, 7> LongDayNames;
    // Index 0 is January.
    std::array<QString, 12> ShortMonthNames;
    std::array<QString, 12> LongMonthNames;

    // 1234.5 → "1.234,50 €", -1234.5 → "-1.234,50 €".
    QString FormatMoney(double value) const;
    // "05.03.2017"
    QString FormatShortDate(QDate date) const;
    // "Sonntag, 5. März 2017"
    QString FormatLongDate(QDate date) const;
    // "14:05" or, with seconds, "14:05:09"
    QString FormatTime(QTime time, bool withSeconds) const;

    QString ShortDayName(QDate date) const;
    QString LongDayName(QDate date) const;
    QString LongMonthName(int month) const;
};

// Builds the format above with German day and month names.
TFormatSettings InitFormatSettings();
