#include "print/Hub3aSlipPage.h"

#include "print/PrintFrame.h"
#include "print/PrinterDevice.h"
#include "render/PaintHub3a.h"
#include "render/QPainterSurface.h"

#include <QPainter>

double slipTopMm(SlipPlace place)
{
    return static_cast<int>(place) * hub3aSlipMm.height();
}

Hub3aPrintFrame Hub3aPrintFrame::of(const Calibration &calibration, const PrintOffsets &offsets)
{
    // The frame of the other forms validates the calibration and offsets and rounds the offsets
    // onto the device as they are rounded there.
    const FormFrame frame = printFrame(calibration, false, offsets.dX, offsets.dY);
    constexpr double unitsPerSquare = 100;
    return {QPointF(frame.originX, frame.originY), unitsPerSquare / calibration.RectWidth,
            unitsPerSquare / calibration.RectHeight};
}

void Hub3aPrintFrame::requireOnSheet(double topMm, QSizeF sheetMm) const
{
    const QRectF slip(origin + QPointF(0, topMm * unitsPerMmY),
                      QSizeF(hub3aSlipMm.width() * unitsPerMmX, hub3aSlipMm.height() * unitsPerMmY));
    requireFormOnPage(slip, sheetMm * deviceUnitsPerMm);
}

void paintHub3aSlip(QPainter &page, const Hub3aPrintFrame &frame, double topMm, PrintMode mode,
                    const Hub3aRecord &record)
{
    page.save();
    // Device dots per inch of paper: the page's dots per device unit, the calibration's device
    // units per millimetre on paper, across and down. The barcode's modules are measured in them,
    // so that they come out 0.254 mm wide and rows 0.762 mm high on paper, a whole number of the
    // printer's dots, and the symbol fits its cell however the calibration scales the page.
    const double paperDotsAcross = page.deviceTransform().m11() * frame.unitsPerMmX * 25.4;
    const double paperDotsDown = page.deviceTransform().m22() * frame.unitsPerMmY * 25.4;
    page.translate(frame.origin + QPointF(0, topMm * frame.unitsPerMmY));
    // The layout works in hundredths of a millimetre.
    page.scale(frame.unitsPerMmX / 100, frame.unitsPerMmY / 100);
    {
        QPainterSurface surface(page);
        surface.setFontCharset(centralEuropeanCharset);
        surface.setBarcodeDotsPerInch(paperDotsAcross, paperDotsDown);
        PaintHub3a(surface, mode, record);
    }
    page.restore();
}
