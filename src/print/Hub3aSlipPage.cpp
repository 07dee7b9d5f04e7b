#include "print/Hub3aSlipPage.h"

#include "print/PrintFrame.h"
#include "print/PrinterDevice.h"
#include "render/Hub3aForm.h"

#include <QPainter>

double slipTopMm(SlipPlace place)
{
    return static_cast<int>(place) * Hub3aForm::sizeMm.height();
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
    const QRectF slip(
        origin + QPointF(0, topMm * unitsPerMmY),
        QSizeF(Hub3aForm::sizeMm.width() * unitsPerMmX, Hub3aForm::sizeMm.height() * unitsPerMmY));
    requireFormOnPage(slip, sheetMm * deviceUnitsPerMm);
}

QTransform Hub3aPrintFrame::slipToPage(double topMm) const
{
    return QTransform::fromTranslate(origin.x(), origin.y() + topMm * unitsPerMmY)
        .scale(unitsPerMmX, unitsPerMmY);
}

Hub3aPaintOptions Hub3aPrintFrame::paintOptions(const QPainter &page) const
{
    // Device dots per inch of paper: the page's dots per device unit, the calibration's device
    // units per millimetre on paper, across and down.
    return {QSizeF(page.deviceTransform().m11() * unitsPerMmX * 25.4,
                   page.deviceTransform().m22() * unitsPerMmY * 25.4),
            nullptr};
}
