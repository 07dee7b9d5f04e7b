#pragma once

#include "model/Calibration.h"
#include "render/FormFrame.h"

// The print frame of a calibration, perforation and offsets. Throws UserError "Neispravna
// kalibracija pisača" for a calibration whose form would be under 10 mm or over 1 m on paper on
// either side (a square of 0 mm or less among them), and the frame's own errors for offsets
// beyond its range.
FormFrame printFrame(const Calibration &calibration, bool perforation, int dX, int dY);
