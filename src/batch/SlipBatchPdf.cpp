#include "batch/SlipBatchPdf.h"

#include "batch/CutLine.h"
#include "batch/ReadBackAhead.h"
#include "model/TextFile.h"
#include "model/UserError.h"
#include "print/Hub3aSlipPage.h"
#include "render/Hub3aForm.h"
#include "render/PaintHub3a.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStorageInfo>

#include <cmath>

#include <algorithm>

namespace {

constexpr double millimetresPerInch = 25.4;
// Fine enough that the barcode's 0.254 mm modules and the form's lines keep their place.
constexpr int pdfResolution = 1200;

// Thrown inside the writer to drop the temporary file.
struct Cancelled
{
};
struct NothingWritten
{
};

// The PDF pages of a batch, started at the first slip that goes onto one.
class SlipPages
{
public:
    SlipPages(QIODevice &device, const BatchPdfOptions &options) : m_writer(&device), m_options(options)
    {
        m_writer.setCreator(QStringLiteral("ZORVAT Print"));
        m_writer.setResolution(pdfResolution);
        const QPageSize size(options.slipsPerPage == 1 ? Hub3aForm::sizeMm : a4SheetMm, QPageSize::Millimeter,
                             QString(), QPageSize::ExactMatch);
        m_writer.setPageLayout(
            QPageLayout(size, QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
    }

    int count() const { return m_count; }

    void add(const Hub3aRecord &record)
    {
        const int slot = m_count % m_options.slipsPerPage;
        if (m_count == 0) {
            if (!m_painter.begin(&m_writer))
                throw UserError(QStringLiteral("PDF se ne može započeti"));
        } else if (slot == 0 && !m_writer.newPage()) {
            throw UserError(QStringLiteral("PDF se ne može nastaviti"));
        }
        const double dotsPerMm = pdfResolution / millimetresPerInch;
        const double topMm = slipTopMm(static_cast<SlipPlace>(slot));
        if (slot > 0 && m_options.mode == PrintMode::Complete)
            drawCutLine(m_painter, 0, a4SheetMm.width() * dotsPerMm, topMm * dotsPerMm, dotsPerMm);
        paintHub3aSlip(m_painter, QTransform::fromTranslate(0, topMm * dotsPerMm).scale(dotsPerMm, dotsPerMm),
                       m_options.mode, record);
        ++m_count;
    }

    void finish()
    {
        if (m_painter.isActive() && !m_painter.end())
            throw UserError(QStringLiteral("PDF se ne može dovršiti"));
    }

private:
    QPdfWriter m_writer;
    QPainter m_painter;
    const BatchPdfOptions &m_options;
    int m_count = 0;
};

// A batch that cannot fit is refused before its first slip is drawn; one that may fit is written
// and stops at its first failed write. A disk's free space is known only roughly (other programs
// write too), so only a clear shortage is refused here.
void requireFreeSpace(const QString &path, int slips)
{
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    if (!storage.isValid() || storage.bytesAvailable() < 0)
        return;
    const qint64 needed = slips * pdfBytesPerSlip;
    if (storage.bytesAvailable() < needed) {
        throw UserError(QStringLiteral("Na disku nema mjesta za PDF: za %1 uplatnica treba barem %2, "
                                       "slobodno je %3")
                            .arg(slips)
                            .arg(byteSizeText(needed), byteSizeText(storage.bytesAvailable())));
    }
}

} // namespace

QString byteSizeText(qint64 bytes)
{
    constexpr qint64 kilo = 1024, mega = kilo * 1024, giga = mega * 1024;
    if (bytes < kilo)
        return QStringLiteral("%1 B").arg(bytes);
    if (bytes < mega)
        return QStringLiteral("%1 kB").arg(bytes / kilo);
    const bool inGiga = bytes >= giga;
    // Rounded down to a tenth: a size just under a whole unit does not read as the unit.
    const double value = std::floor(double(bytes) / double(inGiga ? giga : mega) * 10) / 10;
    return QString::number(value, 'f', 1).replace(u'.', u',') +
           (inGiga ? QStringLiteral(" GB") : QStringLiteral(" MB"));
}

BatchPdfResult writeSlipPdf(const QString &path, const QList<NumberedSlip> &slips,
                            const BatchPdfOptions &options, const BatchHooks &hooks)
{
    return writeSlipPdf(path, slipsOf(slips), static_cast<int>(slips.size()), options, hooks);
}

BatchPdfResult writeSlipPdf(const QString &path, const SlipSource &source, int expected,
                            const BatchPdfOptions &options, const BatchHooks &hooks)
{
    if (options.slipsPerPage != 1 && options.slipsPerPage != 3)
        throw UserError(QStringLiteral("Na stranici je 1 ili 3 naloga, ne %1").arg(options.slipsPerPage));
    requireFreeSpace(path, expected);
    BatchPdfResult result;
    try {
        TextFile::writeAtomicallyWith(path, [&](QIODevice &file) {
            SlipPages pages(file, options);
            ReadBackAhead readBacks(source, options.mode, {options.readBackDpi});
            QElapsedTimer timer;
            for (int done = 0;; ++done) {
                if (hooks.cancelRequested && hooks.cancelRequested())
                    throw Cancelled();
                if (TextFile::writesFailed(file))
                    return; // the save reports the failed write

                timer.start();
                const std::optional<ReadBackAhead::Result> checked = readBacks.next();
                result.readBackNs += timer.nsecsElapsed();
                if (!checked)
                    break;
                if (checked->problem) {
                    result.refused.append({checked->slip.row, QString(), *checked->problem});
                } else {
                    timer.start();
                    pages.add(checked->slip.record);
                    result.drawingNs += timer.nsecsElapsed();
                }
                if (hooks.progress)
                    hooks.progress(done + 1, std::max(expected, done + 1));
            }
            if (pages.count() == 0)
                throw NothingWritten();
            pages.finish();
            result.written = pages.count();
        });
    } catch (const Cancelled &) {
        result.cancelled = true;
    } catch (const NothingWritten &) {
        result.written = 0;
    }
    return result;
}
