#pragma once

#include "model/SlipData.h"
#include "render/DrawingSurface.h"
#include "render/FormFrame.h"
#include "render/LayoutStyle.h"

// Draws the general transfer order "OPĆI NALOG ZA PRIJENOS" through the frame: the background,
// rules and captions when the style draws the form, the record's data when it draws data.
void PaintZorvat(DrawingSurface &surface, const FormFrame &frame, const LayoutStyle &style,
                 const ZorvatData &data);
