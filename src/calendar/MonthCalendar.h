#pragma once

#include "calendar/FormatSettings.h"
#include "storage/AccFile.h"

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>

class QPainter;

// The terms due on one day: for each, the invoice's slot and its done flag.
struct TDueTerms
{
    static constexpr int MaxEntries = 15;
    int Count = 0;
    std::array<int, MaxEntries> Invoice{};
    std::array<std::uint8_t, MaxEntries> Done{};
};

// The terms of invoices in use whose due date text is exactly dateText, in
// slot and term order; the sixteenth and later are left out.
TDueTerms DueTermsOfDay(const TAccTable &table, const QString &dateText);

// What the picture shows besides the invoices.
struct TCalendarView
{
    QDate Month;                 // the month of this date is drawn
    QDate Today;
    int Region = 0;
    bool ShowHolidays = true;
};

inline constexpr int CalendarWidth = 300;

// Height of the month's picture: a 24-pixel title, 14 pixels per line (a
// day with terms has one line per term), 6 more after each Sunday, and 4
// at the bottom.
int MonthCalendarHeight(const TAccTable &table, QDate month);

// Draws the month's list of days onto the painter, from (0, 0), width pixels
// wide and MonthCalendarHeight high. The same routine paints the screen
// and the printed page.
// The format gives the German day and month names.
void DrawMonthCalendar(QPainter &painter, int width, const TAccTable &table, const TCalendarView &view,
                       const TFormatSettings &format);
