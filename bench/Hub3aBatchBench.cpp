// Many HUB-3A slips to an A4 PDF, every barcode read back at 300 dpi on worker threads while the
// slips before it are drawn: the wall time of the batch, and per slip the time of drawing the page,
// of waiting for its read-back and of encoding the barcode. Peak memory for 100 against 1,000 rows
// is measured by running one size under /usr/bin/time -v (--benchmark_filter=.../100).
#include "batch/SlipBatchPdf.h"
#include "model/Hub3aPayload.h"
#include "render/BarcodeSymbol.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QList<NumberedSlip> slips(int count)
{
    QList<NumberedSlip> list;
    for (int i = 1; i <= count; ++i) {
        Hub3aRecord record;
        record.set(Hub3aField::PayerName, QStringLiteral("Član %1 Šimić Đurđević").arg(i));
        record.set(Hub3aField::PayerStreet, QStringLiteral("Ulica kneza Branimira %1").arg(i));
        record.set(Hub3aField::PayerPlace, QStringLiteral("10000 Zagreb"));
        record.set(Hub3aField::RecipientName, QStringLiteral("Udruga Šapica"));
        record.set(Hub3aField::RecipientStreet, QStringLiteral("Franjčevićeva 43"));
        record.set(Hub3aField::RecipientPlace, QStringLiteral("10361 Dumovec"));
        record.set(Hub3aField::RecipientIban, QStringLiteral("HR1210010051863000160"));
        record.set(Hub3aField::RecipientModel, QStringLiteral("HR00"));
        record.set(Hub3aField::RecipientReference, QStringLiteral("2026-%1").arg(i));
        record.set(Hub3aField::PurposeCode, QStringLiteral("OTHR"));
        record.set(Hub3aField::Description, QStringLiteral("Članarina za %1. mjesec 2026.").arg(i % 12 + 1));
        record.set(Hub3aField::Amount, hub3aAmountText(1000 + i * 37));
        list.append({i, record});
    }
    return list;
}

void BM_Hub3aBatchPdf(benchmark::State &state)
{
    const QList<NumberedSlip> list = slips(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("slips.pdf"));
    qint64 drawingNs = 0, readBackNs = 0, encodingNs = 0, slipCount = 0;
    for (auto _ : state) {
        const BatchPdfResult result = writeSlipPdf(pdf, list, {3, PrintMode::Complete, 300});
        if (result.written != list.size())
            state.SkipWithError("a slip was refused");
        drawingNs += result.drawingNs;
        readBackNs += result.readBackNs;
        slipCount += result.written;
    }
    // The barcode encoding alone, which both drawing and read-back do once per slip.
    QElapsedTimer timer;
    timer.start();
    for (const NumberedSlip &slip : list)
        benchmark::DoNotOptimize(BarcodeSymbol::hub3a(*hub3aPayloadBytes(slip.record)));
    encodingNs = timer.nsecsElapsed();
    const double perSlip = 1e-6 / static_cast<double>(slipCount);
    state.counters["drawing_ms"] = static_cast<double>(drawingNs) * perSlip;
    state.counters["readback_wait_ms"] = static_cast<double>(readBackNs) * perSlip;
    state.counters["barcode_ms"] = static_cast<double>(encodingNs) * 1e-6 / static_cast<double>(list.size());
    state.counters["slip_ms"] = static_cast<double>(drawingNs + readBackNs) * perSlip;
}
BENCHMARK(BM_Hub3aBatchPdf)->Arg(100)->Arg(1000)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace
