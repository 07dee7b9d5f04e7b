#pragma once

#include "render/DrawingSurface.h"

#include <QString>

#include <span>

// The rows of a layout's tables: dotted writing lines, boxed captions, small captions and data
// texts, each walked in order by one drawing loop.

struct DottedLine
{
    int y, fromX, toX;
};

// Drawn with TextRect: clipped to (x1, y1)-(x2, y2), the clip painted unless the brush is clear.
struct BoxedCaption
{
    QString text;
    int x1, y1, x2, y2;
    int x, y;
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

struct PlacedText
{
    const QString &text;
    int x, y;
};

// Pen style psDot, width 1, black; a MoveTo/LineTo pair per line.
void drawDottedLines(DrawingSurface &surface, std::span<const DottedLine> lines);
void drawBoxedCaptions(DrawingSurface &surface, std::span<const BoxedCaption> captions);
void drawSmallCaptions(DrawingSurface &surface, std::span<const SmallCaption> captions);
void drawTexts(DrawingSurface &surface, std::span<const PlacedText> texts);
