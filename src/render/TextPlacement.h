#pragma once

#include "render/FormFrame.h"

// Where a text of width tw (or a cell of height th) starts when it is aligned. The order of the
// operations matters for odd sizes: a cell's centre is halved first, then the text's half taken.
namespace TextPlacement {

// Right-aligned against x = c.
inline int rightAgainst(int c, int tw)
{
    return c - tw;
}

// Centred on x = c.
inline int centredOn(int c, int tw)
{
    return c - FormFrame::half(tw);
}

// Centred in a cell from start, size long (horizontally or vertically).
inline int centredIn(int start, int size, int tw)
{
    return (start + FormFrame::half(size)) - FormFrame::half(tw);
}

// Centred on a real offset from base: base + RoundEven(centre - tw / 2).
inline int centredOnReal(int base, long double centre, int tw)
{
    return base + FormFrame::RoundEven(centre - tw / 2.0L);
}

// Standing on y = c.
inline int bottomOn(int c, int th)
{
    return c - th;
}

} // namespace TextPlacement
