#pragma once

#include "render/FormFrame.h"

// Where a text of a given width (or a cell of a given height) starts when it is aligned. The
// order of the operations matters for odd sizes: a cell's centre is halved first, then the text's
// half taken.
namespace TextPlacement {

// Right-aligned against x = right.
inline int rightAgainst(int right, int textWidth)
{
    return right - textWidth;
}

// Centred on x = centre.
inline int centredOn(int centre, int textWidth)
{
    return centre - FormFrame::half(textWidth);
}

// Centred in a cell from start, size long (horizontally or vertically).
inline int centredIn(int start, int size, int textSize)
{
    return (start + FormFrame::half(size)) - FormFrame::half(textSize);
}

// Centred on a real offset from base: base + RoundEven(centre - textWidth / 2).
inline int centredOnReal(int base, long double centre, int textWidth)
{
    return base + FormFrame::RoundEven(centre - textWidth / 2.0L);
}

// Standing on y = bottom.
inline int bottomOn(int bottom, int textHeight)
{
    return bottom - textHeight;
}

} // namespace TextPlacement
