#pragma once

#include "render/TextMeasure.h"

#include <QHash>

// Text widths that do not depend on the machine's fonts: every character charWidth pixels,
// unless a width is set for the whole text.
class FixedTextMeasure : public TextMeasure
{
public:
    explicit FixedTextMeasure(int charWidth = 10) : m_charWidth(charWidth) {}
    void setWidth(const QString &text, int width) { m_widths.insert(text, width); }

    int textWidth(const FontState &, const QString &text) override
    {
        return m_widths.value(text, static_cast<int>(text.size()) * m_charWidth);
    }

private:
    int m_charWidth;
    QHash<QString, int> m_widths;
};
