#pragma once

#include "SlipDrawing.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>

#include <functional>

class QPainter;

// The bytes of each output format. Each throws UserError when the drawing cannot be made in it.
namespace RenderOutput {

// The canvas as a PNG image, white where the form does not reach.
QByteArray png(const SlipDrawing &drawing);
// One PDF page holding the canvas at its size on paper.
QByteArray pdf(const SlipDrawing &drawing);
// The drawing operations as JSON Lines.
QByteArray ops(const SlipDrawing &drawing);

// An image's PNG bytes.
QByteArray pngBytes(const QImage &image);
// One PDF page of pageMm, drawn by paint onto a painter in the page's dots, dotsPerInch of them an inch.
QByteArray pdfPage(QSizeF pageMm, const std::function<void(QPainter &, double dotsPerInch)> &paint);

} // namespace RenderOutput
