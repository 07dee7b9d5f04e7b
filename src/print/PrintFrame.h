#pragma once

#include "model/Calibration.h"
#include "render/FormFrame.h"

#include <QRectF>

// The print frame of a calibration, perforation and offsets. Throws UserError "Neispravna
// kalibracija pisača" for a calibration whose form would be under 10 mm or over 1 m on paper on
// either side (a square of 0 mm or less among them), and the frame's own errors for offsets
// beyond its range.
FormFrame printFrame(const Calibration &calibration, bool perforation, int dX, int dY);

// Throws UserError when a form whose rectangle on the page is form (device units) lies wholly off
// a page of pageSize: offsets or a calibration that carry it there would print a blank sheet.
void requireFormOnPage(const QRectF &form, const QSizeF &pageSize);
