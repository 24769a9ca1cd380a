#include "calendar/MonthCalendar.h"

#include "calendar/DateUtils.h"
#include "calendar/Holidays.h"
#include "controls/Painting.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStaticText>

namespace {

constexpr int LineHeight = 14;
const QColor Background(0xF1, 0xEF, 0xE7);
const QColor BandLeft(0xC2, 0xDA, 0xCB);
const QColor Rule(0xA3, 0x9A, 0x78);
const QColor Red(0x99, 0x22, 0x25);
const QColor TodayBlue(0x15, 0x3A, 0x77);
const QColor HolidayText(0x6C, 0x68, 0x4A);
const QColor DoneGreen(0x1B, 0x72, 0x4D);

// Writes text with its top-left corner at (x, y), as the lines are laid out.
// Placing it by its baseline spares the text layout of a rectangle.
void TextAt(QPainter &painter, int x, int y, const QString &text)
{
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

using TMonthDue = std::array<TDueTerms, 31>;

// The due terms of every day of the month, looked up once per drawing.
TMonthDue MonthDueTerms(const TAccTable &table, QDate month)
{
    TMonthDue due{};
    const int days = DaysInMonth(month.year(), month.month());
    for (int d = 1; d <= days; ++d)
        due[static_cast<std::size_t>(d - 1)] = DueTermsOfDay(table, DateText(QDate(month.year(), month.month(), d)));
    return due;
}

int HeightOf(const TMonthDue &due, QDate month)
{
    int height = 24;
    const int days = DaysInMonth(month.year(), month.month());
    for (int d = 1; d <= days; ++d) {
        height += LineHeight * std::max(due[static_cast<std::size_t>(d - 1)].Count, 1);
        if (QDate(month.year(), month.month(), d).dayOfWeek() == Qt::Sunday)
            height += 6;
    }
    return height + 4;
}

} // namespace

TDueTerms DueTermsOfDay(const TAccTable &table, const QString &dateText)
{
    TDueTerms due;
    const QByteArray wanted = dateText.toLatin1();
    for (std::size_t slot = 0; slot < table.size(); ++slot) {
        const TAccRecord &record = table[slot];
        if (!record.IsUsed())
            continue;
        for (std::size_t t = 0; t < MaxTerms; ++t) {
            if (due.Count < TDueTerms::MaxEntries && record.TermPayable[t].Bytes() == wanted) {
                due.Invoice[static_cast<std::size_t>(due.Count)] = static_cast<int>(slot);
                due.Done[static_cast<std::size_t>(due.Count)] = record.TermDone[t];
                ++due.Count;
            }
        }
    }
    return due;
}

int MonthCalendarHeight(const TAccTable &table, QDate month)
{
    return HeightOf(MonthDueTerms(table, month), month);
}

void DrawMonthCalendar(QPainter &painter, int width, const TAccTable &table, const TCalendarView &view,
                       const TFormatSettings &format)
{
    const int year = view.Month.year();
    const int month = view.Month.month();
    const int days = DaysInMonth(year, month);
    const TMonthDue monthDue = MonthDueTerms(table, view.Month);
    const int height = HeightOf(monthDue, view.Month);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 0, width, height), Background);
    FillHorizontalGradient(painter, QRect(0, 0, 240, 21), BandLeft, Background);

    QFont font(QStringLiteral("Arial"), 9);
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    TextAt(painter, 4, 4, format.LongMonthName(month) + u' ' + QString::number(year));

    // Rules leave out their end point.
    int y = 20;
    painter.setPen(Rule);
    painter.drawLine(4, y, width - 5, y);
    y = 23;
    painter.setFont(font);
    const QFontMetrics metrics(font);

    // An invoice is named on every day it has a term: lay its name out once.
    std::array<QStaticText, MaxAccSlots> names;
    const QString today = DateText(view.Today);
    for (int d = 1; d <= days; ++d) {
        const QDate date(year, month, d);
        const QString dateText = DateText(date);
        const QString weekday = format.ShortDayName(date);
        const bool sunday = weekday == u"So";
        const QString holiday = HolidayName(date, view.Region);

        QColor dayColor = Qt::black;
        if (!holiday.isEmpty() || sunday)
            dayColor = Red;
        else if (dateText == today)
            dayColor = TodayBlue;
        painter.setPen(dayColor);
        TextAt(painter, 4, y, QString::number(d).rightJustified(2, u'0'));
        TextAt(painter, 24, y, weekday);

        const TDueTerms &due = monthDue[static_cast<std::size_t>(d - 1)];
        if (view.ShowHolidays && !holiday.isEmpty() && due.Count == 0) {
            painter.setPen(HolidayText);
            TextAt(painter, width - 4 - metrics.horizontalAdvance(holiday), y, holiday);
        }
        if (due.Count == 0) {
            y += LineHeight;
        } else {
            for (int i = 0; i < due.Count; ++i) {
                const auto e = static_cast<std::size_t>(i);
                painter.setPen(due.Done[e] != 0 ? DoneGreen : Red);
                QStaticText &name = names[static_cast<std::size_t>(due.Invoice[e])];
                if (name.text().isEmpty()) {
                    name.setText(table[static_cast<std::size_t>(due.Invoice[e])].AccName.Text());
                    name.setTextFormat(Qt::PlainText);
                    name.prepare(QTransform(), font);
                }
                painter.drawStaticText(QPoint(44, y), name);
                y += LineHeight;
            }
        }
        if (sunday) {
            y += 3;
            painter.setPen(Rule);
            painter.drawLine(4, y, width - 5, y);
            y += 3;
        }
    }
    painter.restore();
}
