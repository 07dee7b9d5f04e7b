#pragma once

#include "model/Calibration.h"
#include "model/Hub3aRecord.h"
#include "model/PrintOffsets.h"
#include "render/PaintHub3a.h"

#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

class QPainter;

// The slips of an A4 sheet of three, from the top: their top edges lie 0, 99 and 198 mm down.
enum class SlipPlace { Top = 0, Middle = 1, Bottom = 2 };

// What a printer prints HUB-3A slips on: an A4 sheet of three (a file takes a page of the slip's size).
inline constexpr QSizeF a4SheetMm{210, 297};

// Millimetres from the sheet's top edge to the top edge of the slip at place.
double slipTopMm(SlipPlace place);

// What of the slip is drawn in mode, in millimetres from its top-left corner: the form's frames,
// rules, title and captions (the rotated "Obr. HUB 3A" among them), or for data alone the data and
// the barcode cell. The perforation is a cutting guide that runs to the slip's edges; it is left out.
QRectF hub3aDrawnAreaMm(PrintMode mode);

// The question asked before a slip is printed partly into the strips along the sheet's edges that
// the printer cannot print (beyond: by how many millimetres on each side); empty when beyond is none.
QString hub3aUnprintableQuestion(const QMarginsF &beyond);

// The larger of a and b on each side.
QMarginsF widerOf(const QMarginsF &a, const QMarginsF &b);

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

    // How far the slip drawn in mode with its top edge topMm down the sheet reaches beyond areaMm
    // (millimetres on the sheet), on each side; 0 where it stays within.
    QMarginsF beyond(double topMm, PrintMode mode, const QRectF &areaMm) const;
    // Throws UserError saying by how much, when any of the slip drawn in mode with its top edge topMm
    // down would fall off a sheet of sheetMm.
    void requireOnSheet(double topMm, PrintMode mode, QSizeF sheetMm) const;
    // The slip's overreach into the strips of a sheet of sheetMm that a printer with unprintable
    // margins (millimetres) cannot print: beyond() of the sheet less those strips.
    QMarginsF intoUnprintable(double topMm, PrintMode mode, QSizeF sheetMm,
                              const QMarginsF &unprintable) const;

    // From the millimetres of a slip whose top edge lies topMm down the sheet to device units.
    QTransform slipToPage(double topMm) const;
    // The barcode's modules measured in the device's dots per inch of paper, across and down, so
    // that they come out 0.254 mm wide and rows 0.762 mm high on paper, a whole number of the
    // printer's dots, however the calibration scales the page (page: a painter in device units).
    Hub3aPaintOptions paintOptions(const QPainter &page) const;
};
