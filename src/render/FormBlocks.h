#pragma once

#include "render/DrawingSurface.h"
#include "render/FormFrame.h"

#include <QString>

// What both forms share: the background, the execution-method and code cells at the right edge,
// the amount box, and the data set into them. Ey is the top of the execution-method cell, Cy of
// the code cells, Ay of the amount box.
namespace FormBlocks {

// Pen solid, brush white, the whole frame filled; surface coordinates, not moved by the origin.
void fillBackground(DrawingSurface &surface, const FormFrame &frame);

// The amount box from M + X(23) to R, s high.
void drawAmountBox(DrawingSurface &surface, const FormFrame &frame, int Ay);

// With a 1-pixel pen: the execution-method cell, the middle and right code cells with their
// divider, and the left code cell a gap of X(2) further left.
void drawCodeCells(DrawingSurface &surface, const FormFrame &frame, int Ey, int Cy);

// Brush clear, font "Courier New" regular in the data colour: the state every data text needs.
void beginData(DrawingSurface &surface, Color color);

struct CodeTexts
{
    const QString &method, &first, &second, &third;
};

// Each code text centred in its cell, in the order method, third, second, first.
void drawCodeTexts(DrawingSurface &surface, const FormFrame &frame, int Ey, int Cy, const CodeTexts &codes);

// The amount text of the typed amount (or its error marker), right-aligned against R - X(5)
// and centred in the box's height by the cell height of "1,1".
void drawAmount(DrawingSurface &surface, const FormFrame &frame, int Ay, const QString &typedAmount);

} // namespace FormBlocks
