#include "scan/InvoiceScan.h"

#include "model/UserError.h"
#include "scan/BarcodeFinder.h"
#include "scan/DocumentPages.h"
#include "scan/EInvoiceScan.h"
#include "scan/ScanLimits.h"
#include "scan/SlipPayload.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// What the looks at one page have found so far; places are in the pixels of the first look's picture.
struct PageFinds
{
    QImage first; // the page at the first look's resolution, null when it could not be drawn
    QString failure;
    QList<QByteArray> found;
    QList<QPolygon> places;
    QList<QRect> marks; // PDF417 symbols seen on the first look's picture, read or not

    bool holdsPayment() const { return std::any_of(found.begin(), found.end(), isSlipPayload); }

    // The symbols seen that no look has read (none lies where a barcode was read).
    QList<QRect> stillUnread() const
    {
        QList<QRect> left;
        const int margin = 16;
        for (const QRect &mark : marks) {
            const bool read = std::any_of(places.begin(), places.end(), [&mark](const QPolygon &place) {
                return place.boundingRect().adjusted(-margin, -margin, margin, margin).intersects(mark);
            });
            if (!read)
                left.append(mark);
        }
        return left;
    }
};

QPolygon scaled(const QPolygon &polygon, double factor)
{
    QPolygon result;
    for (const QPoint &point : polygon)
        result.append(QPoint(qRound(point.x() * factor), qRound(point.y() * factor)));
    return result;
}

// Searches picture (factor times the first look's size) with what was found painted out, again
// after each find, so that a symbol beside or behind another is read too. True when it read
// something new.
bool lookFor(PageFinds &finds, const QImage &picture, double factor, Threshold threshold,
             const DocumentPages &pages)
{
    bool any = false;
    // A page holds a handful of symbols at most; each round paints out what the one before found.
    for (int round = 0; round < 4 && !pages.stopped(); ++round) {
        QList<QPolygon> masks;
        for (const QPolygon &place : finds.places)
            masks.append(scaled(place, factor));
        const PictureLook look = lookAt(masks.isEmpty() ? picture : withoutPlaces(picture, masks), threshold);
        bool fresh = false;
        for (const FoundBarcode &barcode : look.found) {
            if (finds.found.contains(barcode.bytes))
                continue;
            finds.found.append(barcode.bytes);
            finds.places.append(scaled(barcode.where, 1 / factor));
            fresh = true;
        }
        if (!fresh)
            break;
        any = true;
    }
    return any;
}

// The first look: the page at 300 dpi with one fixed threshold, the quickest search there is.
PageFinds firstLook(DocumentPages &pages, int index)
{
    PageFinds finds;
    finds.first = pages.page(index, ScanLimits::firstDpi);
    if (finds.first.isNull()) {
        finds.failure = pages.failure();
        return finds;
    }
    finds.first = grayPicture(finds.first);
    lookFor(finds, finds.first, 1, Threshold::Fixed, pages);
    finds.marks = pdf417Marks(finds.first);
    return finds;
}

// The slower looks, until the page holds a payment and every symbol seen on it is read: the other
// thresholds, the finer resolution, then (where still nothing is read) the page turned a few
// degrees either way.
void closerLooks(DocumentPages &pages, int index, PageFinds &finds)
{
    const auto done = [&finds, &pages] {
        return pages.stopped() || (finds.holdsPayment() && finds.stillUnread().isEmpty());
    };
    for (const Threshold threshold : {Threshold::Local, Threshold::Histogram}) {
        if (done())
            return;
        lookFor(finds, finds.first, 1, threshold, pages);
    }
    if (done())
        return;
    if (const QImage fine = pages.page(index, ScanLimits::fineDpi); !fine.isNull() && fine.size() != finds.first.size()) {
        const QImage gray = grayPicture(fine);
        const double factor = double(gray.width()) / finds.first.width();
        for (const Threshold threshold : {Threshold::Fixed, Threshold::Local}) {
            if (done())
                return;
            lookFor(finds, gray, factor, threshold, pages);
        }
    }
    if (!finds.found.isEmpty())
        return;
    for (const int degrees : ScanLimits::askewDegrees) {
        if (done())
            return;
        const PictureLook look = lookAt(turnedPicture(finds.first, degrees), Threshold::Local);
        for (const FoundBarcode &barcode : look.found) {
            if (finds.found.contains(barcode.bytes))
                continue;
            finds.found.append(barcode.bytes);
            finds.places.append(unturnedPlace(barcode.where, finds.first.size(), degrees));
        }
    }
}

// After a find on a coarse picture, where a smaller symbol beside it may show too few pixels a
// module for its start pattern to be seen: the page at twice the size, what was read painted out.
// A finer picture costs too much to search on every page with a payment.
void lookOnAfterFind(DocumentPages &pages, int index, PageFinds &finds)
{
    if (pages.stopped() || qint64(finds.first.width()) * finds.first.height() > ScanLimits::smallPicture)
        return;
    const QImage fine = pages.page(index, ScanLimits::fineDpi);
    if (fine.isNull() || fine.size() == finds.first.size())
        return;
    const QImage gray = grayPicture(fine);
    for (const Threshold threshold : {Threshold::Fixed, Threshold::Local, Threshold::Histogram}) {
        if (lookFor(finds, gray, double(gray.width()) / finds.first.width(), threshold, pages))
            return;
    }
}

bool cancelled(const std::atomic_bool *cancel)
{
    return cancel && cancel->load();
}

// The slips and misses of a page from what its looks found.
void report(FileScan &scan, const QString &path, int page, const PageFinds &finds)
{
    int payments = 0;
    for (const QByteArray &bytes : finds.found) {
        const PayloadReading reading = readSlipPayload(bytes);
        if (reading.record) {
            scan.slips.append({path, page, *reading.record, slipVerdict(reading)});
            ++payments;
        } else if (!reading.problem.isEmpty()) {
            scan.misses.append({path, page, reading.problem});
            ++payments;
        }
    }
    if (const qsizetype unread = finds.stillUnread().size(); unread > 0) {
        scan.misses.append({path, page,
                            unread == 1 ? u"Na stranici je bar-kod PDF417 koji se ne može pročitati"_s
                                        : u"Na stranici su %1 bar-koda PDF417 koji se ne mogu pročitati"_s.arg(unread)});
        ++payments;
    }
    if (payments == 0)
        scan.misses.append(
            {path, page, finds.failure.isEmpty() ? u"Na stranici nema bar-koda za plaćanje"_s : finds.failure});
}

} // namespace

FileScan scanInvoice(const QString &path, const std::atomic_bool *cancel, const std::function<void()> &pageDone,
                     std::function<bool()> deadlinePassed)
{
    if (isEInvoiceName(path))
        return scanEInvoiceFile(path, cancel);
    FileScan scan;
    std::unique_ptr<DocumentPages> pages;
    try {
        pages = DocumentPages::open(path);
    } catch (const UserError &e) {
        scan.unreadable = true;
        scan.misses.append({path, 0, e.text()});
        return scan;
    }
    if (!deadlinePassed)
        deadlinePassed = [deadline = QDeadlineTimer(ScanLimits::fileMilliseconds)] { return deadline.hasExpired(); };
    pages->setLimits(cancel, std::move(deadlinePassed));
    // A hybrid PDF's payment is its XML; the barcodes on its pages only check it.
    const std::optional<EInvoice> invoice = embeddedEInvoice(pages->embeddedXml());
    // Every page's quick look first: most pages are read by it, and a page without a barcode costs
    // no more than that when the file's payment is found elsewhere.
    std::vector<PageFinds> finds;
    for (int index = 0; index < pages->pageCount() && !pages->stopped(); ++index) {
        finds.push_back(firstLook(*pages, index));
        if (pageDone)
            pageDone();
    }
    const bool paymentFound = std::any_of(finds.begin(), finds.end(), [](const PageFinds &page) {
        return page.holdsPayment();
    });
    // A hybrid PDF's pages only check its XML: the quick look is enough for a picture made by a program.
    for (size_t index = 0; index < finds.size() && !pages->stopped() && !invoice; ++index) {
        PageFinds &page = finds[index];
        const bool onlyOtherCodes = !page.found.isEmpty() && !page.holdsPayment();
        if (page.first.isNull())
            continue;
        if (!paymentFound || onlyOtherCodes || !page.stillUnread().isEmpty())
            closerLooks(*pages, int(index), page);
        else if (page.holdsPayment())
            lookOnAfterFind(*pages, int(index), page);
    }
    if (cancelled(cancel))
        return scan;
    for (size_t index = 0; index < finds.size(); ++index)
        report(scan, path, int(index) + 1, finds[index]);
    if (pages->stopped())
        scan.misses.append({path, 0,
                            u"Čitanje datoteke prekinuto nakon %1 s: nisu pregledane sve stranice"_s.arg(
                                ScanLimits::fileMilliseconds / 1000)});
    if (pages->cut())
        scan.misses.append({path, 0, u"Pročitano je samo prvih %1 stranica"_s.arg(ScanLimits::maxPages)});
    if (invoice) {
        FileScan hybrid;
        addEInvoice(hybrid, path, *invoice, scan.slips);
        return hybrid;
    }
    return scan;
}

QList<FileScan> scanInvoices(const QStringList &paths, const std::atomic_bool *cancel,
                             const std::function<void(int files, int pages)> &progress)
{
    // Files are read side by side, each whole on one thread; a few threads at most, as each holds a
    // page of up to the pixel budget and its turned copies.
    const int workers =
        std::clamp(QThread::idealThreadCount(), 1, std::min(ScanLimits::maxThreads, int(paths.size())));
    std::vector<std::optional<FileScan>> scans(static_cast<size_t>(paths.size()));
    std::atomic_int next = 0;
    int filesDone = 0, pagesDone = 0;
    std::mutex reporting;
    const auto tell = [&](int files, int pages) {
        const std::lock_guard lock(reporting);
        filesDone += files;
        pagesDone += pages;
        if (progress)
            progress(filesDone, pagesDone);
    };
    const auto work = [&] {
        for (int index = next++; index < paths.size() && !cancelled(cancel); index = next++) {
            scans[static_cast<size_t>(index)] = scanInvoice(paths[index], cancel, [&tell] { tell(0, 1); });
            tell(1, 0);
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
    static const QStringList suffixes{u"pdf"_s,  u"png"_s, u"jpg"_s, u"jpeg"_s,
                                      u"tif"_s,  u"tiff"_s, u"bmp"_s, u"xml"_s};
    return suffixes.contains(QFileInfo(path).suffix().toLower());
}
