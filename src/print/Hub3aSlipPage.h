#pragma once

#include "model/Calibration.h"
#include "model/Hub3aRecord.h"
#include "model/PrintOffsets.h"
#include "render/LayoutStyle.h"

#include <QPointF>
#include <QSizeF>

class QPainter;

// The slips of an A4 sheet of three, from the top: their top edges lie 0, 99 and 198 mm down.
enum class SlipPlace { Top = 0, Middle = 1, Bottom = 2 };

// What a HUB-3A slip is printed on: a printer's A4 sheet of three, or a file's page of one slip.
inline constexpr QSizeF a4SheetMm{210, 297};
inline constexpr QSizeF hub3aSlipMm{210, 99};

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
};

// Draws one HUB-3A slip in mode with its top edge topMm down a page whose painter works in device
// units from the sheet's corner. The painter's state is as it was afterwards, so a page can take
// several slips.
void paintHub3aSlip(QPainter &page, const Hub3aPrintFrame &frame, double topMm, PrintMode mode,
                    const Hub3aRecord &record);
