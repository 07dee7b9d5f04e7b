#include "partners/PartnerRow.h"
#include "PixelCount.h"
#include "partners/PartnerEntry.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

const QRgb silver = qRgb(0xC0, 0xC0, 0xC0);

// The bounding box of the pixels in region that differ from background.
QRect inkBounds(const QImage &image, const QRect &region, QRgb background)
{
    QRect bounds;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (image.pixel(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// Whether pixel is ink of that colour, at least half covered, smoothed onto background.
bool isInk(QRgb pixel, QRgb background, QRgb ink)
{
    const int channels[3][3] = {{qRed(pixel), qRed(background), qRed(ink)},
                                {qGreen(pixel), qGreen(background), qGreen(ink)},
                                {qBlue(pixel), qBlue(background), qBlue(ink)}};
    const auto *widest = std::max_element(std::begin(channels), std::end(channels), [](auto &a, auto &b) {
        return std::abs(a[2] - a[1]) < std::abs(b[2] - b[1]);
    });
    const double coverage = double((*widest)[0] - (*widest)[1]) / ((*widest)[2] - (*widest)[1]);
    if (coverage < 0.5)
        return false;
    return std::all_of(std::begin(channels), std::end(channels), [coverage](auto &c) {
        return std::abs(c[1] + coverage * (c[2] - c[1]) - c[0]) <= 24;
    });
}

// Two rows of the list's width, the first selected, as the dialog's list draws them.
QImage drawRows(const QString &entry)
{
    QImage image(417, 2 * PartnerRow::height, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    PartnerRow::draw(painter, QRect(0, 0, 417, PartnerRow::height), true, entry);
    PartnerRow::draw(painter, QRect(0, PartnerRow::height, 417, PartnerRow::height), false, entry);
    return image;
}

struct RowLook
{
    const char *what;
    int top;
    QRgb background, name, captions;
};

const RowLook looks[] = {
    {"selected", 0, qRgb(0, 0, 0), qRgb(0xFF, 0xFF, 0xFF), qRgb(0xFF, 0xFF, 0x00)},
    {"not selected", PartnerRow::height, qRgb(0xFF, 0xFF, 0xFF), qRgb(0, 0, 0), qRgb(0, 0, 0xFF)},
};

TEST(PartnerRow, EachLookFillsItsRowAndSetsItsTextsInTheirPlacesColoursAndWeights)
{
    // The account repeats its caption's text, so only the weight tells them apart.
    const QImage image = drawRows(joinPartner(u"Ivan Horvat"_s, u"Broj računa :"_s, u"01 12345"_s));
    for (const RowLook &look : looks) {
        SCOPED_TRACE(look.what);
        const int top = look.top, bottom = top + PartnerRow::height;
        const auto isNot = [](QRgb colour) { return [colour](QRgb pixel) { return pixel != colour; }; };
        // A silver line over the row's last two pixel rows, the background above it.
        EXPECT_EQ(countPixels(image, QRect(0, bottom - 2, 417, 2), isNot(silver)), 0);
        EXPECT_EQ(countPixels(image, QRect(0, bottom - 3, 417, 1), isNot(look.background)), 0);
        EXPECT_EQ(countPixels(image, QRect(0, top, 417, 1), isNot(look.background)), 0);

        const auto inkOf = [&look](QRgb colour) {
            return [&look, colour](QRgb pixel) { return isInk(pixel, look.background, colour); };
        };
        const struct
        {
            const char *part;
            QRect region; // where the part's ink must stay
            int left;     // where its character cells start
            int cellTop;  // where its first character cell starts
            QRgb colour;
        } parts[] = {
            {"name", {0, top, 417, 18}, 6, top + 2, look.name},
            {"captions", {0, top + 18, 108, 29}, 10, top + 20, look.captions},
            {"account and reference", {108, top + 18, 309, 29}, 110, top + 20, look.captions},
        };
        for (const auto &part : parts) {
            SCOPED_TRACE(part.part);
            const QRect ink = inkBounds(image, part.region, look.background);
            ASSERT_FALSE(ink.isEmpty());
            // Glyphs start a pixel or two inside their cell.
            EXPECT_GE(ink.left(), part.left);
            EXPECT_LE(ink.left(), part.left + 2);
            EXPECT_GE(ink.top(), part.cellTop);
            EXPECT_LE(ink.top(), part.cellTop + 4);
            EXPECT_GT(countPixels(image, part.region, inkOf(part.colour)), 10);
        }
        // Two lines below the name: the account's line from 30 pixels above the bottom, then the
        // reference's from 17 above it.
        const QRect values(108, top + 18, 309, 29);
        EXPECT_LE(inkBounds(image, values, look.background).bottom(), top + 46);
        EXPECT_GT(countPixels(image, QRect(110, top + 33, 300, 13), inkOf(look.captions)), 5);
        const int upperCaptionEnd = inkBounds(image, QRect(0, top + 19, 108, 14), look.background).right();
        const int lowerCaptionEnd = inkBounds(image, QRect(0, top + 33, 108, 13), look.background).right();
        EXPECT_LT(upperCaptionEnd, lowerCaptionEnd) << "\"Broj računa :\" above \"Poziv na broj :\"";

        // The values are regular where the captions are bold.
        const int caption = countPixels(image, QRect(0, top + 19, 108, 13), isNot(look.background));
        const int account = countPixels(image, QRect(108, top + 19, 309, 13), isNot(look.background));
        EXPECT_LT(account * 10, caption * 9) << "bold " << caption << ", regular " << account;
    }
}

TEST(PartnerRow, DrawsOnlyInsideItsRow)
{
    QImage image(417, 3 * PartnerRow::height, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    const QString longEntry = joinPartner(QString(200, u'W'), QString(200, u'W'), QString(200, u'W'));
    PartnerRow::draw(painter, QRect(0, PartnerRow::height, 300, PartnerRow::height), true, longEntry);
    painter.end();
    const auto notMagenta = [](QRgb pixel) { return pixel != qRgb(0xFF, 0, 0xFF); };
    EXPECT_EQ(countPixels(image, QRect(0, 0, 417, PartnerRow::height), notMagenta), 0);
    EXPECT_EQ(countPixels(image, QRect(0, 2 * PartnerRow::height, 417, PartnerRow::height), notMagenta), 0);
    EXPECT_EQ(countPixels(image, QRect(300, PartnerRow::height, 117, PartnerRow::height), notMagenta), 0);
}

// A name's line breaks are drawn as spaces, and a separator byte inside the reference as the
// editor shows it, never as a box; in the dialog's rows and in the pick list alike.
TEST(PartnerRow, LineBreaksAndSeparatorsAreDrawnAsTheEditorShowsThem)
{
    using Draw = void (*)(QPainter &, const QRect &, bool, const QString &);
    const auto drawn = [](Draw draw, const QString &name, const QString &reference) {
        QImage image(400, 40, QImage::Format_RGB32);
        QPainter painter(&image);
        draw(painter, image.rect(), false, joinPartner(name, u"1"_s, reference));
        return image;
    };
    for (const Draw draw : {&PartnerRow::draw, &PartnerRow::drawPick}) {
        const QImage shown = drawn(draw, u"Dva Reda i tri"_s, u"05 12\u00A634"_s);
        EXPECT_EQ(drawn(draw, u"Dva\r\nReda\ni tri"_s, u"05 12\u00A634"_s), shown);
        EXPECT_EQ(drawn(draw, u"Dva Reda i tri"_s, u"05 12\b34"_s), shown);
        EXPECT_NE(drawn(draw, u"DvaReda i tri"_s, u"05 12\u00A634"_s), shown);
    }
}

} // namespace
