#include "render/LayoutRows.h"

#include "render/TextPlacement.h"

using namespace TextPlacement;

namespace {

// A left-aligned text is not measured.
int alignedX(DrawingSurface &surface, const DataText &row)
{
    switch (row.alignment) {
    case Alignment::TopCentre:
    case Alignment::Centre:
    case Alignment::BottomCentre:
        return centredIn(row.cell.x, row.cell.width, surface.TextWidth(row.text));
    case Alignment::MiddleRight:
        return rightAgainst(row.cell.x + row.cell.width, surface.TextWidth(row.text));
    case Alignment::TopLeft:
    case Alignment::MiddleLeft:
        break;
    }
    return row.cell.x;
}

int alignedY(const DrawingSurface &surface, const DataText &row)
{
    switch (row.alignment) {
    case Alignment::TopLeft:
    case Alignment::TopCentre:
        return row.cell.y;
    case Alignment::BottomCentre:
        return bottomOn(row.cell.y + row.cell.height, surface.TextHeight(row.text));
    case Alignment::MiddleLeft:
    case Alignment::Centre:
    case Alignment::MiddleRight:
        break;
    }
    return centredIn(row.cell.y, row.cell.height, surface.TextHeight(row.text));
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
    for (const BoxedCaption &box : captions)
        surface.TextRect(box.x1, box.y1, box.x2, box.y2, box.x1 + box.dx, box.y1 + box.dy, box.text);
}

void drawSmallCaptions(DrawingSurface &surface, std::span<const SmallCaption> captions)
{
    for (const SmallCaption &caption : captions) {
        const int x = caption.centred
                          ? centredOnReal(caption.x, caption.centre, surface.TextWidth(caption.text))
                          : caption.x;
        surface.TextOut(x, caption.y, caption.text);
    }
}

void drawDataTexts(DrawingSurface &surface, const FormFrame &frame, const FontUnits &units,
                   std::span<const DataText> texts)
{
    for (const DataText &row : texts) {
        surface.setFontHeight(frame.Y(units.*row.font));
        const int x = alignedX(surface, row);
        surface.TextOut(x, alignedY(surface, row), row.text);
    }
}
