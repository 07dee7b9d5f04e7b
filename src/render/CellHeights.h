#pragma once

#include <QFont>
#include <QRawFont>

// The cell heights of one font at any pixel size, as QFontMetrics::height() gives them (the ascent
// and the descent each rounded to whole pixels), read from the font's face loaded once and resized.
// Looking a font up for each size tried costs the fontconfig match of a new font each time, which
// fitting the fonts of the first slip picture paid at start-up.
class CellHeights
{
public:
    explicit CellHeights(const QFont &font) : m_face(QRawFont::fromFont(font)) {}

    int at(int pixelSize)
    {
        m_face.setPixelSize(pixelSize);
        return qRound(m_face.ascent()) + qRound(m_face.descent());
    }

private:
    QRawFont m_face;
};
