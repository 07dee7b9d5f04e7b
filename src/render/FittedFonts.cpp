#include "render/FittedFonts.h"

#include <QFontMetrics>
#include <QFontMetricsF>

#include <algorithm>
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

// The smallest size in [low, high] whose cell reaches cellHeight, or high when none does, by
// halving: cells grow with the size.
int smallestSizeReaching(const QFont &font, int cellHeight, int low, int high)
{
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (cellHeightAt(font, middle) >= cellHeight)
            high = middle;
        else
            low = middle + 1;
    }
    return high;
}

// The pixel size whose cell height is closest to the one asked for; a tie takes the smaller
// size, so the text never overfills its cell. Cells grow with the size, about 1.14 times as fast
// (Arial 1.149, Courier New 1.133), so from that estimate a step or two finds the two sizes whose
// cells bracket the height asked for. Each size tried loads a font, which start-up pays for; where
// the estimate is further off (huge cells), halving the range bounds the sizes tried.
int closestPixelSize(const QFont &font, int cellHeight)
{
    constexpr qreal typicalCellPerPixel = 1.14;
    constexpr int maxSteps = 8;
    // A face whose cells stop growing ends the search at this size; so does the font engine's
    // limit, beyond which its metrics overflow (about 16,000 pixels).
    constexpr int largestUsable = 10000;
    const int largest = std::min(4 * cellHeight + 8, largestUsable);
    int upper = std::clamp(qRound(cellHeight / typicalCellPerPixel), 1, largest);
    int upperHeight = cellHeightAt(font, upper);
    int lowerHeight = 0;
    if (upperHeight >= cellHeight) {
        // Step down to the smallest size whose cell still reaches the height.
        for (int step = 0;; ++step) {
            if (upper == 1)
                return 1;
            if (step == maxSteps) {
                upper = smallestSizeReaching(font, cellHeight, 1, upper);
                if (upper == 1)
                    return 1;
                upperHeight = cellHeightAt(font, upper);
                lowerHeight = cellHeightAt(font, upper - 1);
                break;
            }
            lowerHeight = cellHeightAt(font, upper - 1);
            if (lowerHeight < cellHeight)
                break;
            --upper;
            upperHeight = lowerHeight;
        }
    } else {
        // Step up to the first size whose cell reaches it.
        int step = 0;
        do {
            if (++step > maxSteps) {
                upper = smallestSizeReaching(font, cellHeight, upper + 1, largest);
                upperHeight = cellHeightAt(font, upper);
                lowerHeight = cellHeightAt(font, upper - 1);
                break;
            }
            lowerHeight = upperHeight;
            ++upper;
            upperHeight = cellHeightAt(font, upper);
        } while (upperHeight < cellHeight && upper < largest);
    }
    if (upperHeight - cellHeight < std::abs(cellHeight - lowerHeight))
        return upper;
    // The smaller of the two wins; of sizes with the same cell, the smallest.
    int best = upper - 1;
    while (best > 1 && cellHeightAt(font, best - 1) == lowerHeight)
        --best;
    return best;
}

FittedFont fit(const FontState &state)
{
    FittedFont result;
    result.cellHeight = state.height;
    result.font = baseFont(state);
    const int pixelSize = closestPixelSize(result.font, std::max(1, state.height));
    result.font.setPixelSize(pixelSize);
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
