#pragma once

#include "render/LayoutStyle.h"

class PrintSource;
class PrinterDevice;
class SettingsStore;

// The print jobs: one page with the form of the main window's record on the current printer, in
// the calibrated print frame, moved by the perforation and by the offsets stored as "dX" and
// "dY" (read at every print). A calibration square of 0 mm or less is refused before the
// document begins.
void PrintUplatnica(PrinterDevice &printer, const SettingsStore &store, const PrintSource &source,
                    PrintMode mode, bool perforation);
void PrintZorvat(PrinterDevice &printer, const SettingsStore &store, const PrintSource &source,
                 PrintMode mode, bool perforation);

QString uplatnicaDocumentTitle();
QString zorvatDocumentTitle();
