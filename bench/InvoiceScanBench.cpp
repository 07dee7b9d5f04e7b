// Reading payment barcodes from invoices: one A4 page at 300 dpi rendered by the PDF renderer and
// searched (a vector PDF as a program writes it, and a scanned page as a picture in a PDF), a page
// without a barcode in an invoice, a file without any (every look), and a folder of 100 mixed
// invoices read as the window and zorprint-render --scan read them.
#include "InvoiceDocuments.h"
#include "scan/BarcodeFinder.h"
#include "scan/DocumentPages.h"
#include "scan/InvoiceScan.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace InvoiceDocuments;

void requireOneSlip(benchmark::State &state, const QList<FileScan> &scans)
{
    for (const FileScan &scan : scans) {
        if (scan.slips.size() != 1)
            state.SkipWithError("a barcode was not read");
    }
}

void BM_ScanA4Page(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("invoice.pdf"));
    const QByteArray payload = hub3Payload(fullSlip());
    if (state.range(0) == 0)
        writeVectorPdf(path, {payload});
    else
        writeScannedPdf(path, withNoise(invoicePage(payload, 200), 30), 200);
    for (auto _ : state)
        requireOneSlip(state, {scanInvoice(path)});
    state.SetLabel(state.range(0) == 0 ? "vector PDF" : "scanned PDF, 200 dpi picture");
}
BENCHMARK(BM_ScanA4Page)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A page without a barcode in an invoice: ten letter pages before the slip's page. The figure is a
// page's time (ms_per_page), which is what a page without a barcode costs when the file's barcode
// is found.
void BM_ScanPageWithoutBarcode(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("invoice.pdf"));
    QList<QByteArray> pages(10);
    pages.append(hub3Payload(fullSlip()));
    writeVectorPdf(path, pages);
    for (auto _ : state)
        requireOneSlip(state, {scanInvoice(path)});
    state.counters["per_page"] = benchmark::Counter(double(state.iterations()) * double(pages.size()),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ScanPageWithoutBarcode)->Unit(benchmark::kMillisecond)->UseRealTime();

// A file without any barcode: every look at its one page (both resolutions, every threshold and the
// sweep), the most a page costs.
void BM_ScanFileWithoutBarcode(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("letter.pdf"));
    writeVectorPdf(path, {QByteArray()});
    for (auto _ : state) {
        if (!scanInvoice(path).slips.isEmpty())
            state.SkipWithError("a barcode was found on a page without one");
    }
}
BENCHMARK(BM_ScanFileWithoutBarcode)->Unit(benchmark::kMillisecond)->UseRealTime();

// The two halves of a page's look apart: rendering the vector page at 300 dpi, and searching it.
void BM_RenderA4Page(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("invoice.pdf"));
    writeVectorPdf(path, {hub3Payload(fullSlip())});
    const std::unique_ptr<DocumentPages> pages = DocumentPages::open(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(pages->page(0, 300));
}
BENCHMARK(BM_RenderA4Page)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindOnA4Page(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("invoice.pdf"));
    writeVectorPdf(path, {hub3Payload(fullSlip())});
    const QImage page = DocumentPages::open(path)->page(0, 300);
    for (auto _ : state) {
        if (lookAt(grayPicture(page), Threshold::Fixed).found.size() != 1)
            state.SkipWithError("the barcode was not read");
    }
}
BENCHMARK(BM_FindOnA4Page)->Unit(benchmark::kMillisecond)->UseRealTime();

// 100 invoices as a folder holds them: a one-page vector invoice, a letter page before the slip's,
// two letter pages before it, and a scanned page (a 200 dpi picture in a PDF, with grain).
void BM_ScanFolder(benchmark::State &state)
{
    QTemporaryDir dir;
    QStringList paths;
    Hub3aRecord record = fullSlip();
    for (int i = 0; i < state.range(0); ++i) {
        record.set(Hub3aField::Amount, hub3aAmountText(1000 + 37 * i));
        paths.append(dir.filePath(QStringLiteral("racun-%1.pdf").arg(i)));
        const QByteArray payload = hub3Payload(record);
        switch (i % 4) {
        case 0:
            writeVectorPdf(paths.last(), {payload});
            break;
        case 1:
            writeVectorPdf(paths.last(), {QByteArray(), payload});
            break;
        case 2:
            writeVectorPdf(paths.last(), {QByteArray(), QByteArray(), payload});
            break;
        default:
            writeScannedPdf(paths.last(), withNoise(invoicePage(payload, 200), 30), 200);
        }
    }
    for (auto _ : state)
        requireOneSlip(state, scanInvoices(paths));
    state.SetLabel("mixed invoices, 1 to 3 pages");
}
BENCHMARK(BM_ScanFolder)->Arg(100)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace
