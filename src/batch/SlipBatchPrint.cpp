#include "batch/SlipBatchPrint.h"

#include "batch/CutLine.h"
#include "batch/ReadBackAhead.h"
#include "print/PrintDocument.h"
#include "print/PrintJobs.h"
#include "print/PrinterDevice.h"

namespace {

constexpr int slipsPerSheet = 3;

} // namespace

BatchPrintResult printSlipBatch(PrinterDevice &printer, const Hub3aPrintFrame &frame,
                                const QList<NumberedSlip> &slips, PrintMode mode, const BatchHooks &hooks)
{
    BatchPrintResult result;
    const QList<int> resolutions = printer.Resolutions();
    QList<const Hub3aRecord *> sheet;
    // Hands the gathered slips to the printer as one sheet; false when the user declined.
    const auto printSheet = [&] {
        if (sheet.isEmpty())
            return true;
        const bool printed = PrintOnePage(
            printer, hub3aDocumentTitle(),
            [&](QPainter &page) {
                for (qsizetype i = 0; i < sheet.size(); ++i) {
                    const double topMm = slipTopMm(static_cast<SlipPlace>(i));
                    if (i > 0 && mode == PrintMode::Complete)
                        drawCutLine(page, frame.origin.x(),
                                    frame.origin.x() + a4SheetMm.width() * frame.unitsPerMmX,
                                    frame.origin.y() + topMm * frame.unitsPerMmY, frame.unitsPerMmY);
                    paintHub3aSlip(page, frame.slipToPage(topMm), mode, *sheet[i], frame.paintOptions(page));
                }
            },
            a4SheetMm);
        if (!printed)
            return false;
        result.sent += static_cast<int>(sheet.size());
        ++result.sheets;
        sheet.clear();
        return true;
    };
    ReadBackAhead readBacks(slips, mode, resolutions);
    const int total = static_cast<int>(slips.size());
    for (int done = 0; done < total; ++done) {
        if (hooks.cancelRequested && hooks.cancelRequested()) {
            result.cancelled = true;
            return result;
        }
        const NumberedSlip &slip = slips[done];
        if (const std::optional<QString> problem = readBacks.next())
            result.refused.append({slip.row, QString(), *problem});
        else
            sheet.append(&slip.record);
        if (sheet.size() == slipsPerSheet && !printSheet()) {
            result.declined = true;
            return result;
        }
        if (hooks.progress)
            hooks.progress(done + 1, total);
    }
    result.declined = !printSheet();
    return result;
}
