#pragma once

#include "model/Calibration.h"
#include "model/Hub3aRecord.h"
#include "model/PrintOffsets.h"
#include "render/PaintHub3a.h"

#include <QPointF>
#include <QSizeF>
#include <QTransform>

class QPainter;

// The slips of an A4 sheet of three, from the top: their top edges lie 0, 99 and 198 mm down.
enum class SlipPlace { Top = 0, Middle = 1, Bottom = 2 };

// What a printer prints HUB-3A slips on: an A4 sheet of three (a file takes a page of the slip's size).
inline constexpr QSizeF a4SheetMm{210, 297};

// Millimetres from the sheet's top edge to the top edge of the slip at place.
double slipTopMm(SlipPlace place);

// How the printer's calibration and the stored offsets carry a slip's millimetres onto a page in
// device units: the offsets move the slip as they move the other forms (dX in device units, dY in
// millimetres) and the calibration sets the device units of one millimetre. There is no
// perforation shift: the slip's stub is part of the form.
struct Hub3aPrintFrame
{
    QPointF origin; // where the sheet's corner lands, in device units
    double unitsPerMmX = 0;
    double unitsPerMmY = 0;

    // Throws as printFrame for a calibration or offsets that give no frame.
    static Hub3aPrintFrame of(const Calibration &calibration, const PrintOffsets &offsets);

    // Throws as requireFormOnPage when the slip with its top edge topMm down would lie wholly off
    // a sheet of sheetMm.
    void requireOnSheet(double topMm, QSizeF sheetMm) const;

    // From the millimetres of a slip whose top edge lies topMm down the sheet to device units.
    QTransform slipToPage(double topMm) const;
    // The barcode's modules measured in the device's dots per inch of paper, across and down, so
    // that they come out 0.254 mm wide and rows 0.762 mm high on paper, a whole number of the
    // printer's dots, however the calibration scales the page (page: a painter in device units).
    Hub3aPaintOptions paintOptions(const QPainter &page) const;
};
