#pragma once

#include <QString>

class DrawingSurface;
class PrinterDevice;

// Prints the calibration test page on the current printer, in raw device units over the whole
// printable area: a 200-unit mark in the middle of each edge, a 100 by 100 unit square in each
// corner touching two edges, the caption in the middle, "Lijevo" on the left, "Dolje" near the
// bottom. The user measures the squares and the marks' distances from the sheet's edges.
void PrintCalibrationPage(PrinterDevice &printer);

// The test page on a surface whose printable area is pageWidth by pageHeight units.
void PaintCalibrationPage(DrawingSurface &surface, int pageWidth, int pageHeight);

QString calibrationPageTitle();
