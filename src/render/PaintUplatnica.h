#pragma once

#include "model/SlipData.h"
#include "render/DrawingSurface.h"
#include "render/FormFrame.h"
#include "render/LayoutStyle.h"

// Draws the payment slip "POSEBNA UPLATNICA" through the frame: the background, rules and
// captions when the style draws the form, the record's data when it draws data.
void PaintUplatnica(DrawingSurface &surface, const FormFrame &frame, const LayoutStyle &style,
                    const UplatnicaData &data);
