#include "render/FittedFonts.h"

#include "render/CellHeights.h"

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

// The smallest size in [low, high] whose cell reaches cellHeight, or high when none does, by
// halving: cells grow with the size.
int smallestSizeReaching(CellHeights &cells, int cellHeight, int low, int high)
{
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (cells.at(middle) >= cellHeight)
            high = middle;
        else
            low = middle + 1;
    }
    return high;
}

// The pixel size whose cell height is closest to the one asked for; a tie takes the smaller
// size, so the text never overfills its cell. Cells grow with the size, about 1.14 times as fast
// (Arial 1.149, Courier New 1.133), so from that estimate a step or two finds the two sizes whose
// cells bracket the height asked for. Each size tried resizes the face; where
// the estimate is further off (huge cells), halving the range bounds the sizes tried.
int closestPixelSize(CellHeights &cells, int cellHeight)
{
    constexpr qreal typicalCellPerPixel = 1.14;
    constexpr int maxSteps = 8;
    // A face whose cells stop growing ends the search at this size; so does the font engine's
    // limit, beyond which its metrics overflow (about 16,000 pixels).
    constexpr int largestUsable = 10000;
    const int largest = std::min(4 * cellHeight + 8, largestUsable);
    int upper = std::clamp(qRound(cellHeight / typicalCellPerPixel), 1, largest);
    int upperHeight = cells.at(upper);
    int lowerHeight = 0;
    if (upperHeight >= cellHeight) {
        // Step down to the smallest size whose cell still reaches the height.
        for (int step = 0;; ++step) {
            if (upper == 1)
                return 1;
            if (step == maxSteps) {
                upper = smallestSizeReaching(cells, cellHeight, 1, upper);
                if (upper == 1)
                    return 1;
                upperHeight = cells.at(upper);
                lowerHeight = cells.at(upper - 1);
                break;
            }
            lowerHeight = cells.at(upper - 1);
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
                upper = smallestSizeReaching(cells, cellHeight, upper + 1, largest);
                upperHeight = cells.at(upper);
                lowerHeight = cells.at(upper - 1);
                break;
            }
            lowerHeight = upperHeight;
            ++upper;
            upperHeight = cells.at(upper);
        } while (upperHeight < cellHeight && upper < largest);
    }
    if (upperHeight - cellHeight < std::abs(cellHeight - lowerHeight))
        return upper;
    // The smaller of the two wins; of sizes with the same cell, the smallest.
    int best = upper - 1;
    while (best > 1 && cells.at(best - 1) == lowerHeight)
        --best;
    return best;
}

FittedFont fit(const FontState &state)
{
    FittedFont result;
    result.cellHeight = state.height;
    result.font = baseFont(state);
    CellHeights cells(result.font);
    const int pixelSize = closestPixelSize(cells, std::max(1, state.height));
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
