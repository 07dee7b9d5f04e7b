#include "print/Hub3aBarcodeCheck.h"

#include "print/BarcodeReadBack.h"
#include "render/Hub3aForm.h"
#include "render/QPainterSurface.h"

#include <QPainter>

QImage printedBarcodeCell(const QByteArray &payload, double dotsPerInch)
{
    using namespace Hub3aForm;
    constexpr double margin = 1.0;
    const double dotsPerMm = dotsPerInch / 25.4;
    QImage image(qRound((barcodeRight - barcodeLeft + 2 * margin) * dotsPerMm),
                 qRound((barcodeBottom - barcodeTop + 2 * margin) * dotsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    // The cell keeps its place on the slip relative to the device's dot grid.
    painter.translate((margin - barcodeLeft) * dotsPerMm, (margin - barcodeTop) * dotsPerMm);
    painter.scale(dotsPerMm / 100, dotsPerMm / 100);
    QPainterSurface surface(painter);
    surface.setPenColor(clBlack);
    surface.Barcode(units(barcodeLeft), units(barcodeTop), units(barcodeRight), units(barcodeBottom),
                    payload);
    return image;
}

void checkPrintedBarcode(const QByteArray &payload, double dotsPerInch)
{
    requireBarcodeReadsBack(printedBarcodeCell(payload, dotsPerInch), payload);
}
