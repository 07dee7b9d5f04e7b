#include "RenderOutput.h"

#include "ImageLimits.h"
#include "model/UserError.h"
#include "render/OpsJson.h"
#include "render/QPainterSurface.h"
#include "render/RecordingSurface.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

using namespace Qt::StringLiterals;

namespace {

// Keeps a page within what PDF viewers accept.
constexpr double maxPageMillimetres = 5000;
constexpr int pdfResolution = 1200;

void requireDrawableCanvas(const SlipDrawing &drawing)
{
    if (drawing.frame().width < 1 || drawing.frame().height < 1)
        throw UserError(u"the frame is %1x%2 pixels; an image needs at least 1x1"_s.arg(drawing.frame().width)
                            .arg(drawing.frame().height));
}

} // namespace

namespace RenderOutput {

QByteArray png(const SlipDrawing &drawing)
{
    requireDrawableCanvas(drawing);
    const int width = drawing.canvasWidth(), height = drawing.canvasHeight();
    ImageLimits::requireDrawable(width, height);
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        throw UserError(u"not enough memory for a %1x%2 image"_s.arg(width).arg(height));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QPainterSurface surface(painter);
        drawing.paint(surface);
    }
    return pngBytes(image);
}

QByteArray pdf(const SlipDrawing &drawing)
{
    requireDrawableCanvas(drawing);
    const QSizeF mmPerPixel = drawing.millimetresPerPixel();
    const QSizeF page(drawing.canvasWidth() * mmPerPixel.width(),
                      drawing.canvasHeight() * mmPerPixel.height());
    if (page.width() > maxPageMillimetres || page.height() > maxPageMillimetres)
        throw UserError(u"a page of %1 x %2 mm is too large"_s.arg(page.width()).arg(page.height()));

    return pdfPage(page, [&](QPainter &painter, double dotsPerInch) {
        constexpr double millimetresPerInch = 25.4;
        painter.scale(mmPerPixel.width() * dotsPerInch / millimetresPerInch,
                      mmPerPixel.height() * dotsPerInch / millimetresPerInch);
        QPainterSurface surface(painter);
        drawing.paint(surface);
    });
}

QByteArray ops(const SlipDrawing &drawing)
{
    RecordingSurface surface;
    drawing.paint(surface);
    return OpsJson::toJsonLines(surface.ops());
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw UserError(u"the PNG image could not be encoded"_s);
    return bytes;
}

QByteArray pdfPage(QSizeF pageMm, const std::function<void(QPainter &, double dotsPerInch)> &paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(u"zorprint-render"_s);
        writer.setResolution(pdfResolution);
        const QPageSize size(pageMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
        writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
        QPainter painter(&writer);
        if (!painter.isActive())
            throw UserError(u"the PDF page could not be started"_s);
        paint(painter, pdfResolution);
    }
    return bytes;
}

} // namespace RenderOutput
