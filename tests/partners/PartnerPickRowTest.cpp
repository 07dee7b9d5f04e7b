#include "PixelCount.h"
#include "partners/PartnerEntry.h"
#include "partners/PartnerRow.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Draws one entry into the second of three 13-pixel rows of a red image.
QImage drawnRow(const QString &entry, bool selected)
{
    QImage image(301, 3 * PartnerRow::pickHeight, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    PartnerRow::drawPick(painter, QRect(0, 13, 301, 13), selected, entry);
    return image;
}

// Pixels of colour in the 13-pixel row that starts at top.
int pixelsOf(const QImage &image, QRgb colour, int top)
{
    return countPixels(image, QRect(0, top, image.width(), 13),
                       [colour](QRgb pixel) { return pixel == colour; });
}

TEST(PartnerPickRow, DrawsTheEntryWithinItsRowInTheSelectionColours)
{
    const QString entry = joinPartner(u"HEP d.d."_s, u"2360000-1"_s, u"01 5"_s);
    const struct
    {
        bool selected;
        QRgb background, text;
    } cases[] = {{true, qRgb(0, 0, 255), qRgb(255, 255, 255)}, {false, qRgb(255, 255, 255), qRgb(0, 0, 0)}};
    for (const auto &c : cases) {
        const QImage image = drawnRow(entry, c.selected);
        EXPECT_EQ(image.pixel(1, 14), c.background) << c.selected;
        EXPECT_EQ(image.pixel(300, 25), c.background) << c.selected;
        EXPECT_GT(pixelsOf(image, c.text, 13), 50) << c.selected;
        EXPECT_EQ(pixelsOf(image, qRgb(255, 0, 0), 0), 301 * 13) << "nothing above the row";
        EXPECT_EQ(pixelsOf(image, qRgb(255, 0, 0), 26), 301 * 13) << "nothing below the row";
    }
}

} // namespace
