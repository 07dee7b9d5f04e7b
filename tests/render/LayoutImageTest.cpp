#include "render/PaintUplatnica.h"
#include "render/PaintZorvat.h"
#include "render/QPainterSurface.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// Pixels of an area that are mostly blue (data) or dark grey to black (rules and captions).
struct Ink
{
    int blue = 0, dark = 0;
};

Ink inkIn(const QImage &image, int x1, int y1, int x2, int y2)
{
    Ink ink;
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            const QColor c = image.pixelColor(x, y);
            ink.blue += c.blue() > 150 && c.red() < 100 && c.green() < 100 ? 1 : 0;
            ink.dark += c.red() < 100 && c.green() < 100 && c.blue() < 100 ? 1 : 0;
        }
    }
    return ink;
}

template <typename Paint> QImage paintPreview(Paint paint, const LayoutStyle &style)
{
    QImage image(610, 350, QImage::Format_RGB32);
    image.fill(Qt::green); // shows whatever the background fill misses
    QPainter painter(&image);
    QPainterSurface surface(painter);
    paint(surface, FormFrame::preview(610, 350), style);
    return image;
}

TEST(LayoutImage, PaymentSlipPreviewAndPrintColours)
{
    UplatnicaData d;
    d.postcode = u"10000"_s;
    d.payer = {u"Ivan Horvat"_s, u"Ilica 1"_s};
    d.amount = u"1234,5"_s;
    d.account = u"2360000-1101234567"_s;
    const auto paint = [&](DrawingSurface &s, const FormFrame &f, const LayoutStyle &st) {
        PaintUplatnica(s, f, st, d);
    };

    const QImage preview = paintPreview(paint, LayoutStyle::preview());
    EXPECT_EQ(preview.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(preview.pixel(609, 349), qRgb(255, 255, 255));
    EXPECT_GT(inkIn(preview, 100, 27, 500, 30).dark, 350);  // the top rule at T = 28
    EXPECT_GT(inkIn(preview, 311, 40, 314, 300).dark, 250); // the vertical rule at M = 312
    EXPECT_GT(inkIn(preview, 395, 145, 588, 163).blue, 30); // the amount in its box
    EXPECT_GT(inkIn(preview, 212, 36, 295, 58).blue, 30);   // the postal number
    EXPECT_GT(inkIn(preview, 14, 0, 150, 28).dark, 30);     // "ZAVOD ZA PLATNI PROMET"

    const QImage print = paintPreview(paint, LayoutStyle::print(PrintMode::Complete));
    EXPECT_EQ(inkIn(print, 0, 0, 610, 350).blue, 0);
    EXPECT_GT(inkIn(print, 395, 145, 588, 163).dark, 30);
}

TEST(LayoutImage, TransferOrderDataOnlyLeavesTheFormOut)
{
    ZorvatData d;
    d.payer = {u"Firma d.o.o."_s, QString(), QString()};
    d.amount = u"abc"_s;
    const auto paint = [&](DrawingSurface &s, const FormFrame &f, const LayoutStyle &st) {
        PaintZorvat(s, f, st, d);
    };

    const QImage complete = paintPreview(paint, LayoutStyle::print(PrintMode::Complete));
    EXPECT_GT(inkIn(complete, 311, 60, 314, 280).dark, 200); // the vertical rule from 52 to 287
    EXPECT_GT(inkIn(complete, 395, 184, 588, 202).blue, 30); // "0,00", blue in print too

    const QImage dataOnly = paintPreview(paint, LayoutStyle::print(PrintMode::DataOnly));
    EXPECT_EQ(dataOnly.pixel(0, 0), qRgb(0, 255, 0)); // no background
    EXPECT_EQ(inkIn(dataOnly, 311, 60, 314, 280).dark, 0);
    EXPECT_GT(inkIn(dataOnly, 171, 59, 300, 73).blue, 30); // payer line 1 at (171, 59)
}

} // namespace
