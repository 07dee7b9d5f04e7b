#include "scan/InvoiceScan.h"

#include "model/UserError.h"
#include "scan/BarcodeFinder.h"
#include "scan/DocumentPages.h"
#include "scan/ScanLimits.h"
#include "scan/SlipPayload.h"

#include <QFileInfo>

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
            scan.misses.append({path, page, failure.isEmpty() ? u"Na stranici nema bar-koda za plaćanje"_s : failure});
    }
    if (pages->cut())
        scan.misses.append({path, 0, u"Pročitano je samo prvih %1 stranica"_s.arg(ScanLimits::maxPages)});
    return scan;
}

QList<FileScan> scanInvoices(const QStringList &paths, const std::atomic_bool *cancel,
                             const std::function<void(int)> &progress)
{
    QList<FileScan> scans;
    for (const QString &path : paths) {
        if (cancelled(cancel))
            break;
        scans.append(scanInvoice(path, cancel));
        if (progress)
            progress(int(scans.size()));
    }
    return scans;
}

bool isScannableName(const QString &path)
{
    static const QStringList suffixes{u"pdf"_s, u"png"_s, u"jpg"_s, u"jpeg"_s, u"tif"_s, u"tiff"_s, u"bmp"_s};
    return suffixes.contains(QFileInfo(path).suffix().toLower());
}
