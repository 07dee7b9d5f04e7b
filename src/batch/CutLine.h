#pragma once

class QPainter;

// A dashed line, 0.2 mm wide, across a sheet of slips where two of them are cut apart: y and
// the sheet's width in the painter's units, unitsPerMm of them to a millimetre.
void drawCutLine(QPainter &painter, double left, double right, double y, double unitsPerMm);
