#pragma once

#include "model/Hub3aRecord.h"
#include "render/DrawingSurface.h"
#include "render/LayoutStyle.h"

#include <QByteArray>
#include <QSizeF>

#include <optional>

class FittedFonts;
class KeptBarcode;
class QPainter;
class QTransform;

// Draws the HUB-3A slip in hundredths of a millimetre from its top-left corner (the surface's
// transform takes them to the device): Complete the red form with the data and barcode in black,
// Template the form alone, DataOnly the data and barcode alone for pre-printed forms.
// Boxed fields take one character per cell; the stub repeats amount, accounts, references and
// description. Without a valid amount there is no barcode (its text needs the amount).
void PaintHub3a(DrawingSurface &surface, PrintMode mode, const Hub3aRecord &record);

// What stands in the barcode's cell of a slip drawn with its data: the barcode of its payment,
// nothing (a slip not filled in yet), or "NEISPRAVNO" in red for a slip that cannot pay as it
// stands, so no picture shows a barcode that pays nobody.
enum class Hub3aBarcodeCell { Barcode, Empty, Refused };

// PaintHub3a with the barcode's cell as cell says.
void PaintHub3a(DrawingSurface &surface, PrintMode mode, const Hub3aRecord &record, Hub3aBarcodeCell cell);

// How a painter's device takes the slip: the resolution the barcode's modules are measured in,
// across and down (a printer's dots per inch of paper when its calibration scales the page; the
// device's own when not given), and fonts fitted earlier (a preview keeps them from one repaint to
// the next).
struct Hub3aPaintOptions
{
    std::optional<QSizeF> barcodeDotsPerInch;
    FittedFonts *fonts = nullptr;
    KeptBarcode *barcode = nullptr; // the last symbol drawn, kept by a preview
    Hub3aBarcodeCell barcodeCell = Hub3aBarcodeCell::Barcode;
};

// The slip in mode onto painter, where mmToPainter takes millimetres from the slip's top-left
// corner to the painter's coordinates. Every picture, page and sheet of slips is drawn by it. The
// painter's state is as it was afterwards, so a page can take several slips.
void paintHub3aSlip(QPainter &painter, const QTransform &mmToPainter, PrintMode mode,
                    const Hub3aRecord &record, const Hub3aPaintOptions &options = {});

// The barcode of payload alone, in its cell and with its modules as paintHub3aSlip draws them.
void paintHub3aBarcode(QPainter &painter, const QTransform &mmToPainter, const QByteArray &payload,
                       const Hub3aPaintOptions &options = {});
