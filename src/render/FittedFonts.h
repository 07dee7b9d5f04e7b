#pragma once

#include "render/TextMeasure.h"

#include <QFont>
#include <QHash>
#include <QString>

#include <vector>

// A Qt font chosen for a surface font: the family asked for by name ("Arial", "Courier New";
// fontconfig supplies metric-compatible faces) at the pixel size whose cell height comes closest
// to the one asked for. Not every cell height is reachable with a whole pixel size, so the
// surfaces keep reporting the requested height and centre the real cell in it.
struct FittedFont
{
    QFont font;
    int cellHeight = 0; // the requested cell height
    qreal baseline = 0; // from the top of the requested cell to the baseline
};

// Fits and measures surface fonts, remembering each font it has fitted and the widths it has
// measured, so a preview that keeps one between repaints measures only texts that changed.
// Widths are the font's fractional advance rounded to the nearest pixel, everywhere.
class FittedFonts : public TextMeasure
{
public:
    // The font for a cell height; for a height below 1 pixel there is no drawable font (and
    // every text measures 0).
    const FittedFont &fitted(const FontState &font);

    int textWidth(const FontState &font, const QString &text) override;

private:
    struct Entry
    {
        QString name;
        int height;
        bool bold;
        FittedFont fitted;
        QHash<QString, int> widths;
    };
    Entry &entryFor(const FontState &font);

    std::vector<Entry> m_entries;
};
