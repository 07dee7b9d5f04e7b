#pragma once

#include "print/Hub3aSlipPage.h"
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

// The HUB-3A slip of the main window's record, on an A4 sheet of three at place, or on a page of
// its own at the page's corner and at its own size when the printer writes a file; on a printer in
// its calibration and the stored offsets, without the perforation shift. A slip that any part of
// would fall off the sheet is refused (UserError says by how much); one that reaches into the strips
// the printer cannot print is printed only when the user says so (PrintSource::confirmPrint). Before
// anything is sent, the barcode is drawn at each resolution the printer may print at and read back:
// when it does not carry the payment byte for byte, nothing is printed and UserError says why.
void PrintHub3a(PrinterDevice &printer, const SettingsStore &store, const PrintSource &source, PrintMode mode,
                SlipPlace place);

QString uplatnicaDocumentTitle();
QString zorvatDocumentTitle();
QString hub3aDocumentTitle();
