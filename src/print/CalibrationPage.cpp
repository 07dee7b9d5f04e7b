#include "print/CalibrationPage.h"

#include "print/PrintDocument.h"
#include "print/PrinterDevice.h"
#include "render/QPainterSurface.h"

namespace {

constexpr int markHalfLength = 100;
constexpr int squareSide = 100;
// The page's texts are 4 mm high (the surface's pen and brush stay as a fresh canvas has them).
constexpr int textHeight = 50;

} // namespace

void PaintCalibrationPage(DrawingSurface &surface, int W, int H)
{
    surface.setFontName(QStringLiteral("Arial"));
    surface.setFontHeight(textHeight);
    surface.setFontCharset(centralEuropeanCharset);

    const auto line = [&](int x1, int y1, int x2, int y2) {
        surface.MoveTo(x1, y1);
        surface.LineTo(x2, y2);
    };
    line(0, H / 2 - markHalfLength, 0, H / 2 + markHalfLength);
    line(W - 1, H / 2 - markHalfLength, W - 1, H / 2 + markHalfLength);
    line(W / 2 - markHalfLength, 0, W / 2 + markHalfLength, 0);
    line(W / 2 - markHalfLength, H - 1, W / 2 + markHalfLength, H - 1);

    surface.Rectangle(0, 0, squareSide, squareSide);
    surface.Rectangle(0, H - squareSide, squareSide, H);
    surface.Rectangle(W - squareSide, 0, W, squareSide);
    surface.Rectangle(W - squareSide, H - squareSide, W, H);

    const QString caption = calibrationPageTitle();
    surface.TextOut(W / 2 - surface.TextWidth(caption) / 2, H / 2, caption);
    surface.TextOut(surface.TextWidth(QStringLiteral("000")), H / 2, QStringLiteral("Lijevo"));
    surface.TextOut(W / 2, H - 2 * surface.TextHeight(QStringLiteral("hj")), QStringLiteral("Dolje"));
}

QString calibrationPageTitle()
{
    return QStringLiteral("Zorvat 1.0 kalibracija pisača");
}

void PrintCalibrationPage(PrinterDevice &printer)
{
    const int W = printer.PageWidth();
    const int H = printer.PageHeight();
    PrintOnePage(printer, calibrationPageTitle(), [&](QPainter &canvas) {
        QPainterSurface surface(canvas);
        PaintCalibrationPage(surface, W, H);
    });
}
