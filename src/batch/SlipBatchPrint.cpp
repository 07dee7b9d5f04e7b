#include "batch/SlipBatchPrint.h"

#include "batch/CutLine.h"
#include "batch/ReadBackAhead.h"
#include "model/UserError.h"
#include "print/PrintJobs.h"
#include "print/PrinterDevice.h"

#include <QSet>

#include <algorithm>

namespace {

constexpr int slipsPerSheet = 3;
// Up to this many rows not printed are listed one by one; more are named by the first and last.
constexpr qsizetype listedRows = 10;

void paintOnSheet(QPainter &page, const Hub3aPrintFrame &frame, int slot, PrintMode mode,
                  const Hub3aRecord &record)
{
    const double topMm = slipTopMm(static_cast<SlipPlace>(slot));
    if (slot > 0 && mode == PrintMode::Complete)
        drawCutLine(page, frame.origin.x(), frame.origin.x() + a4SheetMm.width() * frame.unitsPerMmX,
                    frame.origin.y() + topMm * frame.unitsPerMmY, frame.unitsPerMmY);
    paintHub3aSlip(page, frame.slipToPage(topMm), mode, record, frame.paintOptions(page));
}

QString rowsText(const QList<int> &rows)
{
    if (rows.size() <= listedRows) {
        QStringList listed;
        for (const int row : rows)
            listed.append(QString::number(row));
        return listed.join(QStringLiteral(", "));
    }
    return QStringLiteral("od %1 do %2 (ukupno %3)").arg(rows.first()).arg(rows.last()).arg(rows.size());
}

} // namespace

QString batchUnprintableQuestion(const PrinterDevice &printer, const Hub3aPrintFrame &frame, qsizetype slips,
                                 PrintMode mode)
{
    const QMarginsF unprintable = printer.UnprintableMarginsMm();
    QMarginsF into;
    for (qsizetype slot = 0; slot < std::min<qsizetype>(slips, slipsPerSheet); ++slot) {
        const double topMm = slipTopMm(static_cast<SlipPlace>(slot));
        frame.requireOnSheet(topMm, mode, a4SheetMm);
        into = widerOf(into, frame.intoUnprintable(topMm, mode, a4SheetMm, unprintable));
    }
    return hub3aUnprintableQuestion(into);
}

BatchPrintResult printSlipBatch(PrinterDevice &printer, const Hub3aPrintFrame &frame,
                                const QList<NumberedSlip> &slips, PrintMode mode, const BatchHooks &hooks)
{
    for (qsizetype slot = 0; slot < std::min<qsizetype>(slips.size(), slipsPerSheet); ++slot)
        frame.requireOnSheet(slipTopMm(static_cast<SlipPlace>(slot)), mode, a4SheetMm);
    BatchPrintResult result;
    QSet<int> taken; // rows of the slips painted into the job
    int onSheet = 0, sheets = 0;
    const int total = static_cast<int>(slips.size());
    try {
        const QList<int> resolutions = printer.Resolutions(); // a spooler may be asked for them
        ReadBackAhead readBacks(slips, mode, resolutions);
        for (int done = 0; done < total; ++done) {
            if (hooks.cancelRequested && hooks.cancelRequested()) {
                result.cancelled = true;
                break;
            }
            const std::optional<ReadBackAhead::Result> checked = readBacks.next();
            const NumberedSlip &slip = checked->slip;
            if (checked->problem) {
                result.refused.append({slip.row, QString(), *checked->problem});
            } else {
                if (sheets == 0) {
                    printer.setTitle(hub3aDocumentTitle());
                    if (!printer.BeginDoc(a4SheetMm)) {
                        result.declined = true;
                        break;
                    }
                    sheets = 1;
                } else if (onSheet == slipsPerSheet) {
                    printer.NewPage();
                    onSheet = 0;
                    ++sheets;
                }
                paintOnSheet(printer.Canvas(), frame, onSheet++, mode, slip.record);
                taken.insert(slip.row);
            }
            if (hooks.progress)
                hooks.progress(done + 1, total);
        }
        if (result.cancelled || result.declined) {
            printer.Abort();
        } else if (sheets > 0) {
            printer.EndDoc();
            result.sent = static_cast<int>(taken.size());
            result.sheets = sheets;
        }
    } catch (const UserError &e) {
        printer.Abort();
        result.failure = e.text();
    } catch (...) {
        printer.Abort();
        throw;
    }
    for (const NumberedSlip &slip : slips) {
        if (result.sent == 0 || !taken.contains(slip.row))
            result.unprinted.append(slip.row);
    }
    return result;
}

QString batchPrintSummary(const BatchPrintResult &result, int total)
{
    QStringList lines;
    if (!result.failure.isEmpty())
        lines.append(result.failure);
    else if (result.cancelled)
        lines.append(QStringLiteral("Ispis je prekinut."));
    lines.append(QStringLiteral("Pisač je prihvatio uplatnica: %1 od %2.").arg(result.sent).arg(total));
    if (!result.unprinted.isEmpty())
        lines.append(QStringLiteral("Nisu ispisani redci: %1.").arg(rowsText(result.unprinted)));
    return lines.join(u'\n');
}
