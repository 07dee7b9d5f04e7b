#pragma once

#include "RenderOptions.h"
#include "model/SlipData.h"
#include "render/DrawingSurface.h"
#include "render/FormFrame.h"
#include "render/LayoutStyle.h"

#include <QSizeF>

// One slip record ready to draw: its layout, frame and style, and the canvas that holds the
// frame where the options put it.
class SlipDrawing
{
public:
    // Throws UserError when the options give no usable frame.
    SlipDrawing(const SlipRecord &record, const RenderOptions &options);

    void paint(DrawingSurface &surface) const;

    const FormFrame &frame() const { return m_frame; }
    // Surface pixels from (0, 0) that cover the background and the form at its origin.
    int canvasWidth() const;
    int canvasHeight() const;
    // Millimetres on paper per surface pixel: the printer device unit, or the preview frame
    // stretched to 170 x 100 mm.
    QSizeF millimetresPerPixel() const;

private:
    SlipRecord m_record;
    RenderOptions m_options;
    FormFrame m_frame;
    LayoutStyle m_style;
};
