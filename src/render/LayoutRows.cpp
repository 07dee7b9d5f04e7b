#include "render/LayoutRows.h"

#include "render/TextPlacement.h"

using namespace TextPlacement;

namespace {

// A left-aligned text is not measured.
int alignedX(DrawingSurface &surface, const DataText &t)
{
    switch (t.alignment) {
    case Alignment::TopCentre:
    case Alignment::Centre:
    case Alignment::BottomCentre:
        return centredIn(t.cell.x, t.cell.width, surface.TextWidth(t.text));
    case Alignment::MiddleRight:
        return rightAgainst(t.cell.x + t.cell.width, surface.TextWidth(t.text));
    case Alignment::TopLeft:
    case Alignment::MiddleLeft:
        break;
    }
    return t.cell.x;
}

int alignedY(const DrawingSurface &surface, const DataText &t)
{
    switch (t.alignment) {
    case Alignment::TopLeft:
    case Alignment::TopCentre:
        return t.cell.y;
    case Alignment::BottomCentre:
        return bottomOn(t.cell.y + t.cell.height, surface.TextHeight(t.text));
    case Alignment::MiddleLeft:
    case Alignment::Centre:
    case Alignment::MiddleRight:
        break;
    }
    return centredIn(t.cell.y, t.cell.height, surface.TextHeight(t.text));
}

} // namespace

void drawDottedLines(DrawingSurface &surface, std::span<const DottedLine> lines)
{
    surface.setPenStyle(PenStyle::psDot);
    surface.setPenWidth(1);
    surface.setPenColor(clBlack);
    for (const DottedLine &line : lines) {
        surface.MoveTo(line.fromX, line.y);
        surface.LineTo(line.toX, line.y);
    }
}

void drawBoxedCaptions(DrawingSurface &surface, std::span<const BoxedCaption> captions)
{
    for (const BoxedCaption &c : captions)
        surface.TextRect(c.x1, c.y1, c.x2, c.y2, c.x1 + c.dx, c.y1 + c.dy, c.text);
}

void drawSmallCaptions(DrawingSurface &surface, std::span<const SmallCaption> captions)
{
    for (const SmallCaption &c : captions) {
        const int x = c.centred ? centredOnReal(c.x, c.centre, surface.TextWidth(c.text)) : c.x;
        surface.TextOut(x, c.y, c.text);
    }
}

void drawDataTexts(DrawingSurface &surface, const FormFrame &frame, const FontUnits &units,
                   std::span<const DataText> texts)
{
    for (const DataText &t : texts) {
        surface.setFontHeight(frame.Y(units.*t.font));
        const int x = alignedX(surface, t);
        surface.TextOut(x, alignedY(surface, t), t.text);
    }
}
