#include "print/PrintJobs.h"

#include "model/Hub3aRules.h"
#include "model/PrintOffsets.h"
#include "model/UserError.h"
#include "print/Hub3aBarcodeCheck.h"
#include "print/PrintDocument.h"
#include "print/PrintFrame.h"
#include "print/PrintSource.h"
#include "print/PrinterDevice.h"
#include "render/Hub3aForm.h"
#include "render/PaintUplatnica.h"
#include "render/PaintZorvat.h"
#include "render/QPainterSurface.h"

#include <functional>

namespace {

using PaintForm = std::function<void(DrawingSurface &, const FormFrame &)>;

void printForm(PrinterDevice &printer, const SettingsStore &store, const PrintSource &source,
               bool perforation, const QString &title, const PaintForm &paint)
{
    const PrintOffsets offsets = ReadPrintOffsets(store);
    const Calibration calibration = source.calibration();
    // Built before the document begins, so a calibration that gives no frame prints nothing.
    const FormFrame frame = printFrame(calibration, perforation, offsets.dX, offsets.dY);
    requireFormOnPage(QRectF(frame.originX, frame.originY, frame.width, frame.height),
                      QSizeF(printer.PageWidth(), printer.PageHeight()));
    PrintOnePage(printer, title, [&](QPainter &canvas) {
        QPainterSurface surface(canvas);
        surface.setFontCharset(centralEuropeanCharset);
        paint(surface, frame);
    });
}

} // namespace

QString uplatnicaDocumentTitle()
{
    return QStringLiteral("Ispis na pisač - Zorvat 1.0 - ispis uplatnice");
}

QString zorvatDocumentTitle()
{
    return QStringLiteral("Ispis na pisač - Zorvat 1.0 - ispis zorvata");
}

QString hub3aDocumentTitle()
{
    return QStringLiteral("Ispis na pisač - Zorvat 1.0 - ispis naloga HUB-3A");
}

void PrintUplatnica(PrinterDevice &printer, const SettingsStore &store, const PrintSource &source,
                    PrintMode mode, bool perforation)
{
    const UplatnicaData data = source.uplatnicaData();
    printForm(printer, store, source, perforation, uplatnicaDocumentTitle(),
              [&](DrawingSurface &surface, const FormFrame &frame) {
                  PaintUplatnica(surface, frame, LayoutStyle::print(mode), data);
              });
}

void PrintZorvat(PrinterDevice &printer, const SettingsStore &store, const PrintSource &source,
                 PrintMode mode, bool perforation)
{
    const ZorvatData data = source.zorvatData();
    printForm(printer, store, source, perforation, zorvatDocumentTitle(),
              [&](DrawingSurface &surface, const FormFrame &frame) {
                  PaintZorvat(surface, frame, LayoutStyle::print(mode), data);
              });
}

void PrintHub3a(PrinterDevice &printer, const SettingsStore &store, const PrintSource &source, PrintMode mode,
                SlipPlace place)
{
    const Hub3aRecord record = source.hub3aData();
    const bool file = printer.WritesFile();
    // The calibration and the offsets correct a printer's paper; a file's page is no sheet in a
    // feeder, so its slip lies at the page's corner at its own size.
    const Hub3aPrintFrame frame = file ? Hub3aPrintFrame::of(Calibration{}, PrintOffsets{})
                                       : Hub3aPrintFrame::of(source.calibration(), ReadPrintOffsets(store));
    const double topMm = file ? 0 : slipTopMm(place);
    const QSizeF sheetMm = file ? Hub3aForm::sizeMm : a4SheetMm;
    frame.requireOnSheet(topMm, mode, sheetMm);
    if (mode != PrintMode::Template) {
        // A slip the bank cannot pay, or whose fields break the form's rules, is never printed.
        QList<Hub3aProblem> problems = hub3aFieldProblems(record);
        problems += hub3aMissingFields(record);
        if (!problems.isEmpty())
            throw UserError(QStringLiteral("Nalog nije ispravan, pa se ne ispisuje:\n") +
                            hub3aProblemsText(problems));
    }
    requireHub3aBarcodeReadsBack(record, mode, printer.Resolutions());
    const QString question =
        hub3aUnprintableQuestion(frame.intoUnprintable(topMm, mode, sheetMm, printer.UnprintableMarginsMm()));
    if (!question.isEmpty() && !source.confirmPrint(question))
        return;
    PrintOnePage(
        printer, hub3aDocumentTitle(),
        [&](QPainter &page) {
            paintHub3aSlip(page, frame.slipToPage(topMm), mode, record, frame.paintOptions(page));
        },
        sheetMm);
}
