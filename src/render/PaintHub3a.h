#pragma once

#include "model/Hub3aRecord.h"
#include "render/DrawingSurface.h"
#include "render/LayoutStyle.h"

// Draws the HUB-3A slip in hundredths of a millimetre from its top-left corner (the surface's
// transform takes them to the device): Complete the red form with the data and barcode in black,
// Template the form alone, DataOnly the data and barcode alone for pre-printed forms.
// Boxed fields take one character per cell; the stub repeats amount, accounts, references and
// description. Without a valid amount there is no barcode (its text needs the amount).
void PaintHub3a(DrawingSurface &surface, PrintMode mode, const Hub3aRecord &record);
