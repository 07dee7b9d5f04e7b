#include "Hub3aOutput.h"

#include "RenderOutput.h"
#include "model/UserError.h"
#include "render/OpsJson.h"
#include "render/PaintHub3a.h"
#include "render/QPainterSurface.h"
#include "render/RecordingSurface.h"

#include <QImage>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr double slipWidthMm = 210, slipHeightMm = 99;
constexpr double unitsPerMm = 100;
constexpr int pixelsPerMm = 8;
constexpr int maxImageSide = 32'000;

} // namespace

namespace Hub3aOutput {

QSize defaultSize()
{
    return QSize(slipWidthMm * pixelsPerMm, slipHeightMm * pixelsPerMm);
}

QByteArray png(const Hub3aRecord &record, PrintMode mode, QSize size)
{
    if (size.isEmpty() || size.width() > maxImageSide || size.height() > maxImageSide)
        throw UserError(
            u"a HUB-3A picture of %1x%2 pixels cannot be drawn"_s.arg(size.width()).arg(size.height()));
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        throw UserError(u"not enough memory for a %1x%2 image"_s.arg(size.width()).arg(size.height()));
    const double xScale = size.width() / slipWidthMm, yScale = size.height() / slipHeightMm;
    // The barcode sizes its modules by the picture's resolution.
    image.setDotsPerMeterX(qRound(xScale * 1000));
    image.setDotsPerMeterY(qRound(yScale * 1000));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(xScale / unitsPerMm, yScale / unitsPerMm);
        QPainterSurface surface(painter);
        PaintHub3a(surface, mode, record);
    }
    return RenderOutput::pngBytes(image);
}

QByteArray pdf(const Hub3aRecord &record, PrintMode mode)
{
    constexpr double mmPerUnit = 1 / unitsPerMm;
    return RenderOutput::pdfPage(QSizeF(slipWidthMm, slipHeightMm), QSizeF(mmPerUnit, mmPerUnit),
                                 [&](DrawingSurface &surface) { PaintHub3a(surface, mode, record); });
}

QByteArray ops(const Hub3aRecord &record, PrintMode mode)
{
    RecordingSurface surface;
    PaintHub3a(surface, mode, record);
    return OpsJson::toJsonLines(surface.ops());
}

} // namespace Hub3aOutput
