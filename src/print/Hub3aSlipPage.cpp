#include "print/Hub3aSlipPage.h"

#include "model/UserError.h"
#include "print/PrintFrame.h"
#include "print/PrinterDevice.h"
#include "render/Hub3aForm.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// Less than this reaches nowhere: the offsets and calibration are whole device units and millimetres.
constexpr double negligibleMm = 0.05;

// Millimetres as the user reads them, rounded up to a tenth so that what reaches beyond never reads 0,0.
QString millimetres(double value)
{
    return QString::number(std::ceil(value * 10 - 1e-6) / 10, 'f', 1).replace(u'.', u',') +
           QStringLiteral(" mm");
}

// The sides that value reaches beyond, each as "<mm> <side>", joined with commas.
QString sidesText(const QMarginsF &value, const QStringList &sides)
{
    const double amounts[] = {value.left(), value.top(), value.right(), value.bottom()};
    QStringList parts;
    for (int side = 0; side < 4; ++side) {
        if (amounts[side] >= negligibleMm)
            parts.append(millimetres(amounts[side]) + u' ' + sides[side]);
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

double slipTopMm(SlipPlace place)
{
    return static_cast<int>(place) * Hub3aForm::sizeMm.height();
}

QRectF hub3aDrawnAreaMm(PrintMode mode)
{
    // The form from the rotated caption (x 2.5) and the title (y 0.9) to the stub's rules (x 208.0)
    // and the bottom band's lines (y 82.1); the data from the payer's text and the barcode's quiet
    // zone (x 5.9) and the amount (y 5.0) to the stub's right-aligned texts (x 206.2) and the
    // barcode cell's bottom line.
    if (mode == PrintMode::DataOnly)
        return QRectF(QPointF(5.9, 5.0), QPointF(206.2, Hub3aForm::barcodeBottom));
    return QRectF(QPointF(2.5, 0.9), QPointF(208.0, 82.1));
}

QString hub3aUnprintableQuestion(const QMarginsF &beyond)
{
    const QString sides = sidesText(beyond, {QStringLiteral("uz lijevi rub"), QStringLiteral("uz gornji rub"),
                                             QStringLiteral("uz desni rub"), QStringLiteral("uz donji rub")});
    if (sides.isEmpty())
        return {};
    return QStringLiteral("Nalog zalazi u rub lista koji pisač ne može ispisati (%1). Taj dio naloga neće "
                          "se ispisati; pomak ispisa ga može premjestiti. Ispisati ipak?")
        .arg(sides);
}

QMarginsF widerOf(const QMarginsF &a, const QMarginsF &b)
{
    return {std::max(a.left(), b.left()), std::max(a.top(), b.top()), std::max(a.right(), b.right()),
            std::max(a.bottom(), b.bottom())};
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

QMarginsF Hub3aPrintFrame::beyond(double topMm, PrintMode mode, const QRectF &areaMm) const
{
    const QRectF drawn = slipToPage(topMm).mapRect(hub3aDrawnAreaMm(mode));
    const QRectF onSheet(drawn.topLeft() / deviceUnitsPerMm, drawn.size() / deviceUnitsPerMm);
    const auto reach = [](double value) { return value >= negligibleMm ? value : 0.0; };
    return {reach(areaMm.left() - onSheet.left()), reach(areaMm.top() - onSheet.top()),
            reach(onSheet.right() - areaMm.right()), reach(onSheet.bottom() - areaMm.bottom())};
}

void Hub3aPrintFrame::requireOnSheet(double topMm, PrintMode mode, QSizeF sheetMm) const
{
    const QString sides =
        sidesText(beyond(topMm, mode, QRectF(QPointF(), sheetMm)),
                  {QStringLiteral("preko lijevog ruba"), QStringLiteral("preko gornjeg ruba"),
                   QStringLiteral("preko desnog ruba"), QStringLiteral("preko donjeg ruba")});
    if (!sides.isEmpty())
        throw UserError(QStringLiteral("Nalog ne stane na list: izašao bi %1. Provjerite pomak ispisa i "
                                       "kalibraciju pisača")
                            .arg(sides));
}

QMarginsF Hub3aPrintFrame::intoUnprintable(double topMm, PrintMode mode, QSizeF sheetMm,
                                           const QMarginsF &unprintable) const
{
    return beyond(topMm, mode, QRectF(QPointF(), sheetMm).marginsRemoved(unprintable));
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
