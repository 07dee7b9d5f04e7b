#include "print/PrintFrame.h"

#include "model/UserError.h"
#include "print/PrinterDevice.h"

namespace {

// A form side on paper, in device units, that a sheet can hold and a clerk can fill.
constexpr double shortestSide = 10 * deviceUnitsPerMm;
constexpr double longestSide = 1000 * deviceUnitsPerMm;

bool usable(int side)
{
    return side >= shortestSide && side <= longestSide;
}

} // namespace

FormFrame printFrame(const Calibration &calibration, bool perforation, int dX, int dY)
{
    const QString refused = QStringLiteral("Neispravna kalibracija pisača");
    if (calibration.RectWidth <= 0 || calibration.RectHeight <= 0)
        throw UserError(refused);
    // The form's size depends on the squares alone; checked with no offsets first, so that a
    // bad calibration is named as such whatever the offsets.
    const FormFrame unmoved = FormFrame::print(calibration.RectWidth, calibration.RectHeight, false, 0, 0);
    if (!usable(unmoved.width) || !usable(unmoved.height))
        throw UserError(refused);
    return FormFrame::print(calibration.RectWidth, calibration.RectHeight, perforation, dX, dY);
}

void requireFormOnPage(const QRectF &form, const QSizeF &pageSize)
{
    if (!form.intersects(QRectF(QPointF(), pageSize)))
        throw UserError(QStringLiteral(
            "Obrazac bi se ispisao izvan stranice: provjerite pomak ispisa i kalibraciju pisača"));
}
