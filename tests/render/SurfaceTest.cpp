#include "FixedTextMeasure.h"
#include "render/FittedFonts.h"
#include "render/OpsJson.h"
#include "render/QPainterSurface.h"
#include "render/RecordingSurface.h"

#include <QFontMetrics>
#include <QImage>
#include <QJsonValue>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace {

using namespace Qt::StringLiterals;

TEST(DrawingSurface, BrushColourAndStyleRules)
{
    const struct
    {
        const char *what;
        std::function<void(DrawingSurface &)> steps;
        BrushStyle style;
        Color color;
    } cases[] = {
        // clang-format off
        {"clNone clears the brush", [](DrawingSurface &s) { s.setBrushColor(clNone); },
         BrushStyle::bsClear, clNone},
        {"a colour on a clear brush makes it solid",
         [](DrawingSurface &s) { s.setBrushStyle(BrushStyle::bsClear); s.setBrushColor(clWhite); },
         BrushStyle::bsSolid, clWhite},
        {"the style set after the colour wins",
         [](DrawingSurface &s) { s.setBrushColor(clWhite); s.setBrushStyle(BrushStyle::bsClear); },
         BrushStyle::bsClear, clWhite},
        {"clNone then bsClear stays clear",
         [](DrawingSurface &s) { s.setBrushColor(clNone); s.setBrushStyle(BrushStyle::bsClear); },
         BrushStyle::bsClear, clNone},
        // clang-format on
    };
    for (const auto &c : cases) {
        FixedTextMeasure measure;
        RecordingSurface surface(measure);
        c.steps(surface);
        EXPECT_EQ(surface.state().brush.style, c.style) << c.what;
        EXPECT_EQ(surface.state().brush.color, c.color) << c.what;
    }
}

TEST(RecordingSurface, LogsOperationsWithTheirStateAndMovesThePen)
{
    FixedTextMeasure measure(7);
    RecordingSurface s(measure);
    s.MoveTo(1, 2);
    s.setPenStyle(PenStyle::psDot);
    s.LineTo(3, 4);
    s.LineTo(5, 6);
    s.setFontHeight(17);
    s.TextRect(0, 0, 10, 10, 2, 3, u"abc"_s);
    EXPECT_EQ(s.penPos(), QPoint(5, 6));
    EXPECT_EQ(s.TextHeight(u"gÅ"_s), 17);
    ASSERT_EQ(s.ops().size(), 4u);
    EXPECT_EQ(s.ops()[0].state.pen.style, PenStyle::psSolid);
    EXPECT_EQ(s.ops()[2].state.pen.style, PenStyle::psDot);
    EXPECT_EQ(s.ops()[2].x, 5);
    EXPECT_EQ(s.ops()[3].tw, 21);
    EXPECT_EQ(s.ops()[3].state.font.height, 17);
}

// No other size has a closer cell, and a smaller size never has one as close.
TEST(FittedFonts, PicksThePixelSizeWithTheClosestCellHeight)
{
    FittedFonts fonts;
    for (const QString &name : {u"Arial"_s, u"Courier New"_s}) {
        for (const bool bold : {false, true}) {
            for (int height = 1; height <= 100; ++height) {
                FontState state;
                state.name = name;
                state.bold = bold;
                state.height = height;
                const QFont chosen = fonts.fitted(state).font;
                const int distance = std::abs(QFontMetrics(chosen).height() - height);
                QFont other = chosen;
                for (int size = std::max(1, height / 2); size <= height + 2; ++size) {
                    other.setPixelSize(size);
                    const int otherDistance = std::abs(QFontMetrics(other).height() - height);
                    ASSERT_TRUE(size < chosen.pixelSize() ? otherDistance > distance
                                                          : otherDistance >= distance)
                        << name.toStdString() << (bold ? " bold" : "") << " cell " << height << ": size "
                        << size << " is as close as " << chosen.pixelSize();
                }
            }
        }
    }
}

TEST(FittedFonts, HugeCellsGetTheClosestSizeToo)
{
    // Far from the estimate the search halves the range instead of stepping one size at a time.
    FittedFonts fonts;
    for (const int height : {1000, 5003, 9000}) {
        FontState state;
        state.name = u"Arial"_s;
        state.height = height;
        const QFont chosen = fonts.fitted(state).font;
        const int distance = std::abs(QFontMetrics(chosen).height() - height);
        for (const int size : {chosen.pixelSize() - 1, chosen.pixelSize() + 1}) {
            QFont other = chosen;
            other.setPixelSize(size);
            EXPECT_GE(std::abs(QFontMetrics(other).height() - height), distance)
                << height << " px, size " << size;
        }
    }
}

TEST(FittedFonts, WidthsAreTheRoundedAdvance)
{
    FittedFonts fonts;
    FontState mono;
    mono.name = u"Courier New"_s;
    mono.height = 15;
    const qreal advance = QFontMetricsF(fonts.fitted(mono).font).horizontalAdvance(u"ŠIFRA čćž"_s);
    EXPECT_EQ(fonts.textWidth(mono, u"ŠIFRA čćž"_s), qRound(advance));
    EXPECT_GT(fonts.textWidth(mono, u"ŠIFRA čćž"_s), 0);
    EXPECT_EQ(fonts.textWidth(mono, QString()), 0);
    mono.height = 0;
    EXPECT_EQ(fonts.textWidth(mono, u"x"_s), 0);
}

// Counts pixels of an image region that are not white.
int inkIn(const QImage &image, const QRect &area)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ink += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    }
    return ink;
}

QImage paintOnWhite(const std::function<void(DrawingSurface &)> &draw)
{
    QImage image(100, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    draw(surface);
    return image;
}

TEST(QPainterSurface, RectanglesAndFillsExcludeTheirRightAndBottomEdges)
{
    const QImage image = paintOnWhite([](DrawingSurface &s) {
        s.setBrushColor(clBlue);
        s.Rectangle(10, 10, 20, 20);
        s.FillRect(40, 10, 45, 15);
        s.setBrushStyle(BrushStyle::bsClear);
        s.Rectangle(60, 10, 70, 20);
    });
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(19, 19), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(20, 20), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(15, 15), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(44, 14), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(45, 15), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(65, 15), qRgb(255, 255, 255)); // a clear brush leaves the inside alone
    EXPECT_EQ(image.pixel(69, 19), qRgb(0, 0, 0));
}

TEST(QPainterSurface, TextSitsInItsCellAndTextRectClips)
{
    const QImage image = paintOnWhite([](DrawingSurface &s) {
        s.setBrushStyle(BrushStyle::bsClear);
        s.setFontName(u"Arial"_s);
        s.setFontHeight(20);
        s.TextOut(5, 5, u"HŠ"_s);
        s.setBrushColor(clBlue);
        s.TextRect(50, 30, 60, 50, 50, 30, u"WWWWWW"_s);
    });
    EXPECT_GT(inkIn(image, QRect(5, 5, 30, 20)), 20);
    EXPECT_EQ(inkIn(image, QRect(0, 25, 40, 5)), 0); // nothing below the cell
    EXPECT_EQ(inkIn(image, QRect(0, 0, 40, 4)), 0);  // nor above it
    EXPECT_EQ(image.pixel(59, 49), qRgb(0, 0, 255)); // the clip is painted with the brush
    EXPECT_EQ(inkIn(image, QRect(60, 28, 40, 24)), 0);
}

TEST(OpsJson, WritesTheAgreedKeysForEachOperation)
{
    FixedTextMeasure measure(3);
    RecordingSurface s(measure);
    s.MoveTo(1, 2);
    s.setPenStyle(PenStyle::psDot);
    s.LineTo(3, 4);
    s.setPenWidth(2);
    s.setBrushColor(clWhite);
    s.Rectangle(1, 2, 3, 4);
    s.setFontName(u"Courier New"_s);
    s.setFontColor(clBlue);
    s.setFontBold(true);
    s.setBrushStyle(BrushStyle::bsClear);
    s.TextRect(5, 6, 7, 8, 9, 10, u"č"_s);
    const QByteArray lines = OpsJson::toJsonLines(s.ops());
    EXPECT_EQ(lines.count('\n'), 4);
    EXPECT_TRUE(lines.startsWith(R"({"op":"MoveTo","x":1,"y":2})"));

    // Each key's value, compared as JSON: a number, a text and a truth value are told apart.
    const struct
    {
        size_t op;
        QString key;
        QJsonValue value;
    } keys[] = {
        // clang-format off
        {1, u"pen"_s, u"dot"_s},            {1, u"width"_s, 1},            {2, u"op"_s, u"Rectangle"_s},
        {2, u"x2"_s, 3},                    {2, u"width"_s, 2},            {2, u"brush"_s, u"solid"_s},
        {2, u"brushColor"_s, u"#ffffff"_s}, {3, u"op"_s, u"TextRect"_s},   {3, u"text"_s, u"č"_s},
        {3, u"font"_s, u"Courier New"_s},   {3, u"color"_s, u"#0000ff"_s}, {3, u"brush"_s, u"clear"_s},
        {3, u"bold"_s, true},               {3, u"tw"_s, 3},               {3, u"y1"_s, 6},
        {3, u"y"_s, 10},
        // clang-format on
    };
    for (const auto &k : keys)
        EXPECT_EQ(OpsJson::toJson(s.ops()[k.op])[k.key], k.value) << k.op << ' ' << k.key.toStdString();
}

} // namespace
