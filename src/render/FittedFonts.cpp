#include "FittedFonts.h"

#include <QFontMetrics>
#include <QFontMetricsF>

#include <cstdlib>

namespace {

QFont baseFont(const FontState &state)
{
    QFont font(state.name);
    font.setStyleHint(state.name.startsWith(QLatin1StringView("Courier")) ? QFont::TypeWriter
                                                                          : QFont::SansSerif);
    font.setBold(state.bold);
    return font;
}

int cellHeightAt(QFont font, int pixelSize)
{
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).height();
}

// The pixel size whose cell height is closest to the one asked for; a tie takes the smaller
// size, so the text never overfills its cell. Cells grow about linearly with the size, so the
// sizes near the linear estimate are the only candidates.
int closestPixelSize(const QFont &font, int cellHeight)
{
    constexpr int referenceSize = 100;
    const qreal cellPerPixel = cellHeightAt(font, referenceSize) / qreal(referenceSize);
    const int estimate = qRound(cellHeight / cellPerPixel);
    int best = 0;
    int bestDistance = 0;
    for (int size = std::max(1, estimate - 1); size <= std::max(1, estimate + 1); ++size) {
        const int distance = std::abs(cellHeightAt(font, size) - cellHeight);
        if (best == 0 || distance < bestDistance) {
            best = size;
            bestDistance = distance;
        }
    }
    return best;
}

FittedFont fit(const FontState &state)
{
    FittedFont result;
    result.cellHeight = state.height;
    result.font = baseFont(state);
    result.font.setPixelSize(closestPixelSize(result.font, std::max(1, state.height)));
    const QFontMetricsF metrics(result.font);
    result.baseline = (state.height - QFontMetrics(result.font).height()) / 2.0 + metrics.ascent();
    return result;
}

} // namespace

FittedFonts::Entry &FittedFonts::entryFor(const FontState &font)
{
    for (Entry &entry : m_entries) {
        if (entry.height == font.height && entry.bold == font.bold && entry.name == font.name)
            return entry;
    }
    return m_entries.emplace_back(Entry{font.name, font.height, font.bold, fit(font), {}});
}

const FittedFont &FittedFonts::fitted(const FontState &font)
{
    return entryFor(font).fitted;
}

int FittedFonts::textWidth(const FontState &font, const QString &text)
{
    if (font.height < 1 || text.isEmpty())
        return 0;
    Entry &entry = entryFor(font);
    if (const auto known = entry.widths.constFind(text); known != entry.widths.cend())
        return *known;
    // Typing makes a new text per keystroke; forgetting them all now and then bounds the memory.
    constexpr qsizetype maxRemembered = 1000;
    if (entry.widths.size() >= maxRemembered)
        entry.widths.clear();
    const int width = qRound(QFontMetricsF(entry.fitted.font).horizontalAdvance(text));
    entry.widths.insert(text, width);
    return width;
}
