#include "Hub3aOutput.h"

#include "ImageLimits.h"
#include "RenderOutput.h"
#include "model/UserError.h"
#include "render/Hub3aForm.h"
#include "render/OpsJson.h"
#include "render/PaintHub3a.h"
#include "render/RecordingSurface.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

using namespace Qt::StringLiterals;

namespace {

constexpr int pixelsPerMm = 8;

} // namespace

namespace Hub3aOutput {

QSize defaultSize()
{
    return (Hub3aForm::sizeMm * pixelsPerMm).toSize();
}

QByteArray png(const Hub3aRecord &record, PrintMode mode, QSize size)
{
    if (size.isEmpty())
        throw UserError(
            u"a HUB-3A picture of %1x%2 pixels cannot be drawn"_s.arg(size.width()).arg(size.height()));
    ImageLimits::requireDrawable(size.width(), size.height());
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        throw UserError(u"not enough memory for a %1x%2 image"_s.arg(size.width()).arg(size.height()));
    const double xScale = size.width() / Hub3aForm::sizeMm.width(),
                 yScale = size.height() / Hub3aForm::sizeMm.height();
    // The barcode sizes its modules by the picture's resolution.
    image.setDotsPerMeterX(qRound(xScale * 1000));
    image.setDotsPerMeterY(qRound(yScale * 1000));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintHub3aSlip(painter, QTransform::fromScale(xScale, yScale), mode, record);
    }
    return RenderOutput::pngBytes(image);
}

QByteArray pdf(const Hub3aRecord &record, PrintMode mode)
{
    return RenderOutput::pdfPage(Hub3aForm::sizeMm, [&](QPainter &painter, double dotsPerInch) {
        const double dotsPerMm = dotsPerInch / 25.4;
        paintHub3aSlip(painter, QTransform::fromScale(dotsPerMm, dotsPerMm), mode, record);
    });
}

QByteArray ops(const Hub3aRecord &record, PrintMode mode)
{
    RecordingSurface surface;
    PaintHub3a(surface, mode, record);
    return OpsJson::toJsonLines(surface.ops());
}

} // namespace Hub3aOutput
