#pragma once

#include "render/CanvasState.h"

#include <QString>

// Measures the width of a text in a surface font, in whole surface pixels.
class TextMeasure
{
public:
    virtual ~TextMeasure() = default;
    virtual int textWidth(const FontState &font, const QString &text) = 0;
};
