#include "scan/InvoiceScan.h"

#include "model/UserError.h"
#include "scan/BarcodeFinder.h"
#include "scan/DocumentPages.h"
#include "scan/ScanLimits.h"
#include "scan/SlipPayload.h"

#include <QFileInfo>
#include <QThread>

#include <mutex>
#include <optional>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The barcodes of a page: a first look, a finer one, then askew.
QList<QByteArray> pageBarcodes(DocumentPages &pages, int index, QString &failure)
{
    const QImage first = pages.page(index, ScanLimits::firstDpi);
    if (first.isNull()) {
        failure = pages.failure();
        return {};
    }
    if (QList<QByteArray> found = findBarcodes(first); !found.isEmpty())
        return found;
    if (const QImage fine = pages.page(index, ScanLimits::fineDpi); !fine.isNull() && fine != first) {
        if (QList<QByteArray> found = findBarcodes(fine); !found.isEmpty())
            return found;
    }
    return findBarcodesAskew(first);
}

bool cancelled(const std::atomic_bool *cancel)
{
    return cancel && cancel->load();
}

} // namespace

FileScan scanInvoice(const QString &path, const std::atomic_bool *cancel)
{
    FileScan scan;
    std::unique_ptr<DocumentPages> pages;
    try {
        pages = DocumentPages::open(path);
    } catch (const UserError &e) {
        scan.unreadable = true;
        scan.misses.append({path, 0, e.text()});
        return scan;
    }
    pages->setCancel(cancel);
    for (int index = 0; index < pages->pageCount() && !cancelled(cancel); ++index) {
        QString failure;
        const int page = index + 1;
        int slipsOnPage = 0;
        for (const QByteArray &bytes : pageBarcodes(*pages, index, failure)) {
            const PayloadReading reading = readSlipPayload(bytes);
            if (reading.record) {
                scan.slips.append({path, page, *reading.record, slipVerdict(reading)});
                ++slipsOnPage;
            } else if (!reading.problem.isEmpty()) {
                scan.misses.append({path, page, reading.problem});
                ++slipsOnPage;
            }
        }
        if (slipsOnPage == 0)
            scan.misses.append(
                {path, page, failure.isEmpty() ? u"Na stranici nema bar-koda za plaćanje"_s : failure});
    }
    if (pages->cut())
        scan.misses.append({path, 0, u"Pročitano je samo prvih %1 stranica"_s.arg(ScanLimits::maxPages)});
    return scan;
}

QList<FileScan> scanInvoices(const QStringList &paths, const std::atomic_bool *cancel,
                             const std::function<void(int)> &progress)
{
    // Files are read side by side, each whole on one thread; a few threads at most, as each holds a
    // page of up to the pixel budget and its turned copies.
    const int workers =
        std::clamp(QThread::idealThreadCount(), 1, std::min(ScanLimits::maxThreads, int(paths.size())));
    std::vector<std::optional<FileScan>> scans(static_cast<size_t>(paths.size()));
    std::atomic_int next = 0;
    std::atomic_int done = 0;
    std::mutex reporting;
    const auto work = [&] {
        for (int index = next++; index < paths.size() && !cancelled(cancel); index = next++) {
            scans[static_cast<size_t>(index)] = scanInvoice(paths[index], cancel);
            const std::lock_guard lock(reporting);
            if (progress)
                progress(++done);
        }
    };
    std::vector<std::thread> threads;
    for (int i = 1; i < workers; ++i)
        threads.emplace_back(work);
    work();
    for (std::thread &thread : threads)
        thread.join();
    // In the order of the files; a cancel leaves out those not read.
    QList<FileScan> inOrder;
    for (std::optional<FileScan> &scan : scans) {
        if (scan)
            inOrder.append(std::move(*scan));
    }
    return inOrder;
}

bool isScannableName(const QString &path)
{
    static const QStringList suffixes{u"pdf"_s, u"png"_s, u"jpg"_s, u"jpeg"_s, u"tif"_s, u"tiff"_s, u"bmp"_s};
    return suffixes.contains(QFileInfo(path).suffix().toLower());
}
