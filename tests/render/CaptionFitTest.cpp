#include "render/QPainterSurface.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

constexpr int pictureWidth = 400;
constexpr int pictureHeight = 40;

// The caption in black Arial of cellHeight on white, clipped to
// (0, 0, clipRight, pictureHeight) and drawn at its top-left corner.
QImage caption(const QString &text, int cellHeight, int clipRight)
{
    QImage image(pictureWidth, pictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    surface.setBrushColor(clWhite);
    surface.setFontColor(clBlack);
    surface.setFontName(u"Arial"_s);
    surface.setFontHeight(cellHeight);
    surface.TextRect(0, 0, clipRight, pictureHeight, 0, 0, text);
    return image;
}

// The columns [first, last] that hold ink, or (-1, -1) for a blank picture.
std::pair<int, int> inkColumns(const QImage &image)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 160) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

// The preview's captions whose cells make their texts wider than their clip rectangles (the
// default 610 x 350 preview) are drawn whole and smaller, not cut; a caption with room for it is
// drawn exactly as without a clip.
TEST(CaptionFit, CaptionsTooWideForTheirRectangleAreDrawnWholeAndSmaller)
{
    const struct
    {
        QString text;
        int cellHeight;
        int clipRight;
        bool fits;
    } cases[] = {
        {u"Uplatitelj"_s, 14, 43, false},
        {u"Svrha doznake"_s, 14, 75, false},
        {u"ZAVOD ZA PLATNI PROMET"_s, 14, 139, false},
        {u"U korist računa"_s, 14, 75, false},
        {u"Uplatitelj"_s, 37, 150, true},
        {u"Uplatitelj"_s, 14, 80, true},
        {u"POSEBNA UPLATNICA"_s, 10, 200, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " in " + std::to_string(c.clipRight) + " px");
        const QImage clipped = caption(c.text, c.cellHeight, c.clipRight);
        const QImage unclipped = caption(c.text, c.cellHeight, pictureWidth);
        const auto [first, last] = inkColumns(clipped);
        ASSERT_GE(first, 0);
        EXPECT_LT(last, c.clipRight);
        const QImage cutUnclipped = unclipped.copy(0, 0, c.clipRight, pictureHeight);
        const QImage inClip = clipped.copy(0, 0, c.clipRight, pictureHeight);
        if (c.fits) {
            EXPECT_TRUE(inClip == cutUnclipped) << "a caption with room is drawn as without a clip";
        } else {
            // Not the cut-off start of the whole text, yet still a caption of about its width.
            EXPECT_FALSE(inClip == cutUnclipped) << "drawn as the cut-off start of the whole text";
            EXPECT_GT(last - first + 1, c.clipRight * 8 / 10);
        }
    }
}

} // namespace
