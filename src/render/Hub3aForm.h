#pragma once

#include "render/DrawingSurface.h"

#include <QSizeF>
#include <QString>

#include <span>

// The HUB-3A form "NALOG ZA NACIONALNA PLAĆANJA" (210 x 99 mm) in hundredths of a millimetre from
// its top-left corner: the red artwork, and the boxes the data is set into.
namespace Hub3aForm {

// The form's size on paper, in millimetres: every page, picture and sheet of slips is measured by it.
inline constexpr QSizeF sizeMm{210.0, 99.0};

// A box of character cells: its outline and how many cells it holds.
struct CellBox
{
    double x0, y0, x1, y1; // millimetres
    int cells;

    double pitch() const { return (x1 - x0) / cells; }
};

// The boxes the data goes into, named for their fields.
inline constexpr CellBox urgentBox{59.02, 5.29, 62.84, 9.11, 1};
inline constexpr CellBox currencyBox{75.97, 5.24, 85.95, 10.06, 3};
inline constexpr CellBox amountBox{96.19, 5.18, 146.91, 10.00, 15};
inline constexpr CellBox payerIbanBox{75.97, 11.26, 146.91, 16.08, 21};
inline constexpr CellBox payerModelBox{52.28, 19.18, 65.82, 24.00, 4};
inline constexpr CellBox payerReferenceBox{72.56, 19.18, 146.91, 24.00, 22};
inline constexpr CellBox recipientIbanBox{75.97, 25.26, 146.91, 30.08, 21};
inline constexpr CellBox recipientModelBox{52.28, 33.26, 65.82, 38.09, 4};
inline constexpr CellBox recipientReferenceBox{72.56, 33.26, 146.91, 38.09, 22};
inline constexpr CellBox purposeBox{52.17, 42.36, 65.71, 47.18, 4};
inline constexpr CellBox dateBox{52.17, 50.44, 79.11, 55.26, 8};

// The barcode cell inside its lines.
inline constexpr double barcodeLeft = 5.36, barcodeTop = 55.36, barcodeRight = 63.91, barcodeBottom = 81.74;

// Hundredths of a millimetre, the unit of the layout.
constexpr int units(double millimetres)
{
    return static_cast<int>(millimetres * 100 + (millimetres < 0 ? -0.5 : 0.5));
}

// The red ink and its tints.
inline constexpr Color ink = 0xF14729;

// Fonts: cell heights and the share of the cell above the baseline.
inline constexpr int captionHeight = 236; // Helvetica 6 pt
inline constexpr int titleHeight = 394;   // Helvetica bold 10 pt
inline constexpr double sansAscent = 0.905 / 1.117;
inline constexpr double monoAscent = 0.833 / 1.133;

// Puts text with its baseline at y (TextOut takes the top of the cell).
void textAtBaseline(DrawingSurface &surface, int x, int baseline, const QString &text, double ascent);

// The whole artwork: tints, boxes with their cell ticks, rules, frames, captions, perforation.
void draw(DrawingSurface &surface);

} // namespace Hub3aForm
