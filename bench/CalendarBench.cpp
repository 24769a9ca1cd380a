// Drawing the month calendar for a full invoice file: 31 invoices with 16
// terms each, all due in the month shown.
#include "calendar/FormatSettings.h"
#include "calendar/MonthCalendar.h"
#include "storage/AccFile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

TAccTable FullMonth()
{
    TAccTable table;
    ClearAccTable(table);
    for (int slot = 0; slot < MaxAccSlots; ++slot) {
        TAccRecord &r = table[static_cast<std::size_t>(slot)];
        r.AccId.SetText(QString::number(slot + 1).rightJustified(3, u'0'));
        r.AccName.SetText(QStringLiteral("Rechnung %1").arg(slot + 1));
        for (int t = 0; t < MaxTerms; ++t) {
            const auto i = static_cast<std::size_t>(t);
            r.TermPayable[i].SetText(QStringLiteral("%1.12.2026").arg((slot + t) % 31 + 1, 2, 10, QChar(u'0')));
            r.TermAmount[i].SetText(QStringLiteral("12.50 €"));
            r.TermDone[i] = static_cast<std::uint8_t>(t % 2);
        }
    }
    return table;
}

void BM_DrawMonthCalendar(benchmark::State &state)
{
    const TAccTable table = FullMonth();
    const TFormatSettings format = InitFormatSettings();
    const TCalendarView view{QDate(2026, 12, 1), QDate(2026, 12, 11), 17, true};
    for (auto _ : state) {
        QImage picture(CalendarWidth, MonthCalendarHeight(table, view.Month), QImage::Format_RGB32);
        QPainter painter(&picture);
        DrawMonthCalendar(painter, CalendarWidth, table, view, format);
        painter.end();
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(BM_DrawMonthCalendar)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
