// Loading and saving a full invoice file (31 invoices of 16 terms each).
#include "storage/AccFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

TAccTable FullTable()
{
    TAccTable table;
    ClearAccTable(table);
    for (int slot = 0; slot < MaxAccSlots; ++slot) {
        TAccRecord &r = table[static_cast<std::size_t>(slot)];
        r.AccId.SetText(QString::number(slot + 1).rightJustified(3, u'0'));
        r.AccName.SetText(QStringLiteral("Rechnung Nummer %1 für Müller & Söhne").arg(slot));
        r.AccLegend.SetText(QStringLiteral("Kurzbeschreibung der Rechnung mit Umlauten äöü"));
        for (int t = 0; t < MaxTerms; ++t) {
            const auto i = static_cast<std::size_t>(t);
            r.TermPayable[i].SetText(QStringLiteral("%1.03.2027").arg(t + 1, 2, 10, QChar(u'0')));
            r.TermAmount[i].SetText(QStringLiteral("1234.50 €"));
            r.TermDescript[i].SetText(QStringLiteral("Abschlag %1 laut Vertrag").arg(t));
            r.TermRemark[i].SetText(QStringLiteral("Überwiesen am 01.03.2027"));
            r.TermDone[i] = static_cast<std::uint8_t>(t % 2);
        }
        r.BankHolder.SetText(QStringLiteral("Stadtwerke Musterstadt GmbH"));
        r.BankIBAN.SetText(QStringLiteral("DE02120300000000202051"));
        r.AccNote.SetText(QString(240, u'n'));
    }
    return table;
}

void BM_SaveAccFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.rcc"));
    const TAccTable table = FullTable();
    for (auto _ : state)
        WriteAccFile(path, table);
}
BENCHMARK(BM_SaveAccFile)->Unit(benchmark::kMicrosecond);

void BM_LoadAccFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.rcc"));
    WriteAccFile(path, FullTable());
    for (auto _ : state) {
        TAccTable table = ReadAccFile(path);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_LoadAccFile)->Unit(benchmark::kMicrosecond);

// The byte work alone, without the file system.
void BM_EncodeDecodeAccTable(benchmark::State &state)
{
    const TAccTable table = FullTable();
    TAccTable back;
    for (auto _ : state) {
        const QByteArray bytes = EncodeAccTable(table);
        DecodeAccTable(bytes, back);
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(BM_EncodeDecodeAccTable)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
