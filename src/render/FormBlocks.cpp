#include "render/FormBlocks.h"

#include "model/Amount.h"
#include "render/TextPlacement.h"

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
    const int R = frame.R(), cellWidth = frame.r(), boxHeight = frame.s(), gap = frame.X(2);
    surface.setPenWidth(1);
    surface.Rectangle(R - cellWidth, Ey, R, Ey + boxHeight);
    surface.Rectangle(R - 2 * cellWidth, Cy, R, Cy + boxHeight);
    surface.MoveTo(R - cellWidth, Cy);
    surface.LineTo(R - cellWidth, Cy + boxHeight);
    surface.Rectangle(R - 3 * cellWidth - gap, Cy, R - 2 * cellWidth - gap, Cy + boxHeight);
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
    const int R = frame.R(), cellWidth = frame.r(), boxHeight = frame.s(), gap = frame.X(2);
    const int textHeight = surface.TextHeight(codes.method);
    const int lastCellMiddle = R - half(cellWidth);
    surface.TextOut(centredOn(lastCellMiddle, surface.TextWidth(codes.method)),
                    centredIn(Ey, boxHeight, textHeight), codes.method);
    const int y = centredIn(Cy, boxHeight, textHeight);
    surface.TextOut(centredOn(lastCellMiddle, surface.TextWidth(codes.third)), y, codes.third);
    surface.TextOut(centredOn(lastCellMiddle - cellWidth, surface.TextWidth(codes.second)), y, codes.second);
    surface.TextOut(centredOn(R - 3 * cellWidth - gap + half(cellWidth), surface.TextWidth(codes.first)), y,
                    codes.first);
}

void drawAmount(DrawingSurface &surface, const FormFrame &frame, int Ay, const QString &typedAmount)
{
    const QString text = AmountText(typedAmount);
    const int x = rightAgainst(frame.R() - frame.X(5), surface.TextWidth(text));
    surface.TextOut(x, centredIn(Ay, frame.s(), surface.TextHeight(u"1,1"_s)), text);
}

} // namespace FormBlocks
