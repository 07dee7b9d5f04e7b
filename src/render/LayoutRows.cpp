#include "render/LayoutRows.h"

#include "render/TextPlacement.h"

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
        surface.TextRect(c.x1, c.y1, c.x2, c.y2, c.x, c.y, c.text);
}

void drawSmallCaptions(DrawingSurface &surface, std::span<const SmallCaption> captions)
{
    for (const SmallCaption &c : captions) {
        const int x =
            c.centred ? TextPlacement::centredOnReal(c.x, c.centre, surface.TextWidth(c.text)) : c.x;
        surface.TextOut(x, c.y, c.text);
    }
}

void drawTexts(DrawingSurface &surface, std::span<const PlacedText> texts)
{
    for (const PlacedText &t : texts)
        surface.TextOut(t.x, t.y, t.text);
}
