#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <cstdint>

// Gregorian leap year: divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int year);

// Days of the month (1…12) of the given year; 0 for a month outside 1…12.
int DaysInMonth(int year, int month);

// Easter Sunday of the year. Gauss's rule where its constants are exact
// (1900–2099), the full Gregorian computus for every other year. Invalid for
// year 0, which QDate does not have.
QDate EasterSunday(std::uint16_t year);

// ISO 8601 week number: weeks begin on Monday, week 1 holds the first Thursday.
int IsoWeekNumber(QDate date);

// The stored date form "dd.mm.yyyy"; empty for an invalid date or a year
// that does not fit four digits (outside 1…9999).
QString DateText(QDate date);

// Reads exactly "dd.mm.yyyy"; an invalid QDate for anything else or a day
// that does not exist.
QDate ParseDateText(QStringView text);
