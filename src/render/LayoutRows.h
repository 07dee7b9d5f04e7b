#pragma once

#include "render/DrawingSurface.h"
#include "render/FormFrame.h"
#include "render/LayoutStyle.h"

#include <QString>

#include <initializer_list>
#include <span>
#include <vector>

// The rows of a layout's tables: dotted writing lines, boxed captions, small captions and data
// texts, each walked in order by one drawing loop.

struct DottedLine
{
    int y, fromX, toX;
};

// Drawn with TextRect: clipped to (x1, y1)-(x2, y2), the clip painted unless the brush is clear.
// The text stands at the clip's top-left corner, moved by (dx, dy) for a caption set off it.
struct BoxedCaption
{
    QString text;
    int x1, y1, x2, y2;
    int dx = 0, dy = 0;
};

// Drawn with TextOut, either at x or centred on a real offset from x (x + RoundEven(centre - tw/2)).
struct SmallCaption
{
    QString text;
    int x;
    int y;
    bool centred = false;
    long double centre = 0;

    static SmallCaption at(const QString &text, int x, int y) { return {text, x, y}; }
    static SmallCaption centredOn(const QString &text, int base, long double centre, int y)
    {
        return {text, base, y, true, centre};
    }
};

// The cell a data text is aligned in. A width or height of 0 makes it a line to align on: a text
// centred in a cell of width 0 at x is centred on x.
struct TextCell
{
    int x, y;
    int width = 0, height = 0;
};

// Where the text stands in its cell: at the top, in the middle or on the bottom of the cell's
// height, and at its left edge, centred in its width or against its right edge.
enum class Alignment { TopLeft, TopCentre, MiddleLeft, Centre, MiddleRight, BottomCentre };

// One data text of a layout, in the font height of the style that the font member names.
struct DataText
{
    QString text;
    int FontUnits::*font = nullptr;
    TextCell cell{0, 0};
    Alignment alignment = Alignment::TopLeft;
};

// Pen style psDot, width 1, black; a MoveTo/LineTo pair per line.
void drawDottedLines(DrawingSurface &surface, std::span<const DottedLine> lines);
void drawBoxedCaptions(DrawingSurface &surface, std::span<const BoxedCaption> captions);
void drawSmallCaptions(DrawingSurface &surface, std::span<const SmallCaption> captions);
// Each text with TextOut at its place, in the frame's height of its font.
void drawDataTexts(DrawingSurface &surface, const FormFrame &frame, const FontUnits &units,
                   std::span<const DataText> texts);

// One table from its parts, in order: a layout's own rows around the shared blocks' rows.
template <typename Row> std::vector<Row> joinRows(std::initializer_list<std::span<const Row>> parts)
{
    std::vector<Row> rows;
    for (const std::span<const Row> part : parts)
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}
