#include "FormBlocks.h"

#include "Amount.h"
#include "TextPlacement.h"

using namespace Qt::StringLiterals;
constexpr auto half = FormFrame::half;
using namespace TextPlacement;

namespace FormBlocks {

void fillBackground(DrawingSurface &surface, const FormFrame &frame)
{
    surface.setPenStyle(PenStyle::psSolid);
    surface.setBrushColor(clWhite);
    surface.FillRect(0, 0, frame.width, frame.height);
}

void drawAmountBox(DrawingSurface &surface, const FormFrame &frame, int Ay)
{
    const int Ax = frame.M() + frame.X(23);
    surface.Rectangle(Ax, Ay, frame.R(), Ay + frame.s());
}

void drawCodeCells(DrawingSurface &surface, const FormFrame &frame, int Ey, int Cy)
{
    const int R = frame.R(), r = frame.r(), s = frame.s(), g = frame.X(2);
    surface.setPenWidth(1);
    surface.Rectangle(R - r, Ey, R, Ey + s);
    surface.Rectangle(R - 2 * r, Cy, R, Cy + s);
    surface.MoveTo(R - r, Cy);
    surface.LineTo(R - r, Cy + s);
    surface.Rectangle(R - 3 * r - g, Cy, R - 2 * r - g, Cy + s);
}

void beginData(DrawingSurface &surface, Color color)
{
    surface.setBrushStyle(BrushStyle::bsClear);
    surface.setFontName(u"Courier New"_s);
    surface.setFontBold(false);
    surface.setFontColor(color);
}

void drawCodeTexts(DrawingSurface &surface, const FormFrame &frame, int Ey, int Cy, const CodeTexts &codes)
{
    const int R = frame.R(), r = frame.r(), s = frame.s(), g = frame.X(2);
    const int th = surface.TextHeight(codes.method);
    surface.TextOut(centredOn(R - half(r), surface.TextWidth(codes.method)), centredIn(Ey, s, th),
                    codes.method);
    const int y = centredIn(Cy, s, th);
    surface.TextOut(centredOn(R - half(r), surface.TextWidth(codes.third)), y, codes.third);
    surface.TextOut(centredOn((R - half(r)) - r, surface.TextWidth(codes.second)), y, codes.second);
    surface.TextOut(centredOn(R - 3 * r - g + half(r), surface.TextWidth(codes.first)), y, codes.first);
}

void drawAmount(DrawingSurface &surface, const FormFrame &frame, int Ay, const QString &typedAmount)
{
    const QString text = AmountText(typedAmount);
    const int x = rightAgainst(frame.R() - frame.X(5), surface.TextWidth(text));
    surface.TextOut(x, centredIn(Ay, frame.s(), surface.TextHeight(u"1,1"_s)), text);
}

} // namespace FormBlocks
