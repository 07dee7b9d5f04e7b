#include "QtPrinters.h"
#include "render/FittedFonts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A preview's small cells measure their texts as wide, relative to the cell, as the printed page's
// large cells do, so a caption that fits its box on paper fits it in the preview.
TEST(ProportionalWidths, PreviewTextsAreAsWideRelativeToTheCellAsOnPaper)
{
    const QString texts[] = {QStringLiteral("Uplatitelj"), QStringLiteral("Svrha doznake"),
                             QStringLiteral("ZAVOD ZA PLATNI PROMET"), QStringLiteral("U korist računa"),
                             QStringLiteral("POSEBNA UPLATNICA")};
    const struct
    {
        const char16_t *name;
        bool bold;
    } faces[] = {{u"Arial", false}, {u"Arial", true}, {u"Courier New", false}};
    constexpr int printCell = 625; // a 50 mm cell at 12.5 device units per mm, measured to the pixel
    FittedFonts print;
    FittedFonts preview(FittedFonts::Widths::Proportional);
    FittedFonts wholeSizes;
    double worstProportional = 0, worstWhole = 0;
    for (const auto &face : faces) {
        for (int cell = 8; cell <= 24; ++cell) {
            for (const QString &text : texts) {
                const FontState big{QString::fromUtf16(face.name), printCell, face.bold};
                const FontState small{QString::fromUtf16(face.name), cell, face.bold};
                const double onPaper = print.textWidth(big, text) * double(cell) / printCell;
                const double shown = preview.textWidth(small, text);
                // Rounding to whole pixels and whole per cent of stretch.
                EXPECT_LE(std::abs(shown - onPaper), 1.0 + 0.01 * onPaper)
                    << text.toStdString() << " at " << cell << " px";
                worstProportional = std::max(worstProportional, std::abs(shown - onPaper) / onPaper);
                worstWhole =
                    std::max(worstWhole, std::abs(wholeSizes.textWidth(small, text) - onPaper) / onPaper);
            }
        }
    }
    std::cout << "[ widths   ] worst difference from paper: whole sizes " << worstWhole * 100
              << " %, proportional " << worstProportional * 100 << " %\n";
    EXPECT_GT(worstWhole, worstProportional);
}

} // namespace
