#include "print/CalibrationPage.h"
#include "FakePrinter.h"
#include "QtPrinters.h"
#include "render/RecordingSurface.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Line
{
    QPoint from, to;
    bool operator==(const Line &) const = default;
};

std::vector<Line> linesOf(const RecordingSurface &surface)
{
    std::vector<Line> lines;
    QPoint at;
    for (const RecordedOp &op : surface.ops()) {
        if (op.kind == OpKind::MoveTo)
            at = {op.x, op.y};
        if (op.kind == OpKind::LineTo) {
            lines.push_back({at, {op.x, op.y}});
            at = {op.x, op.y};
        }
    }
    return lines;
}

std::vector<QRect> rectanglesOf(const RecordingSurface &surface)
{
    std::vector<QRect> rectangles;
    for (const RecordedOp &op : surface.ops()) {
        if (op.kind == OpKind::Rectangle)
            rectangles.push_back(QRect(QPoint(op.x1, op.y1), QPoint(op.x2 - 1, op.y2 - 1)));
    }
    return rectangles;
}

TEST(CalibrationPageTest, MarksTheMiddleOfEachEdgeOfThePrintableArea)
{
    RecordingSurface surface;
    PaintCalibrationPage(surface, 2400, 3300);
    const std::vector<Line> expected = {
        {{0, 1550}, {0, 1750}},
        {{2399, 1550}, {2399, 1750}},
        {{1100, 0}, {1300, 0}},
        {{1100, 3299}, {1300, 3299}},
    };
    EXPECT_EQ(linesOf(surface), expected);
}

TEST(CalibrationPageTest, PutsAHundredUnitSquareIntoEachCornerTouchingTwoEdges)
{
    RecordingSurface surface;
    PaintCalibrationPage(surface, 2400, 3300);
    const std::vector<QRect> expected = {
        QRect(0, 0, 100, 100),
        QRect(0, 3200, 100, 100),
        QRect(2300, 0, 100, 100),
        QRect(2300, 3200, 100, 100),
    };
    EXPECT_EQ(rectanglesOf(surface), expected);
    // Drawn with the pen and brush a fresh canvas has: solid, one unit wide, black on white.
    for (const RecordedOp &op : surface.ops()) {
        EXPECT_EQ(op.state.pen, PenState{});
        EXPECT_EQ(op.state.brush, BrushState{});
    }
}

TEST(CalibrationPageTest, PlacesTheCaptionCentredAndTheTwoSideWords)
{
    RecordingSurface surface;
    PaintCalibrationPage(surface, 2400, 3300);
    std::vector<RecordedOp> texts;
    for (const RecordedOp &op : surface.ops()) {
        if (op.kind == OpKind::TextOut)
            texts.push_back(op);
    }
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, u"Zorvat 1.0 kalibracija pisača"_s);
    EXPECT_EQ(texts[0].x, 1200 - texts[0].tw / 2);
    EXPECT_EQ(texts[0].y, 1650);
    EXPECT_EQ(texts[1].text, u"Lijevo"_s);
    EXPECT_EQ(texts[1].x, surface.TextWidth(u"000"_s));
    EXPECT_EQ(texts[1].y, 1650);
    EXPECT_EQ(texts[2].text, u"Dolje"_s);
    EXPECT_EQ(texts[2].x, 1200);
    EXPECT_EQ(texts[2].y, 3300 - 2 * surface.TextHeight(u"hj"_s));
    for (const RecordedOp &text : texts)
        EXPECT_EQ(text.state.font.charset, 238);
}

TEST(CalibrationPageTest, PrintsOnePageOnTheCurrentPrinterAtItsPageSize)
{
    FakePrinter printer;
    PrintCalibrationPage(printer);
    EXPECT_EQ(printer.log, (QStringList{u"begin Zorvat 1.0 kalibracija pisača"_s, u"end"_s}));
    // The top-left square's outline, one unit wide, ends at 99 in both directions.
    EXPECT_EQ(printer.page.pixel(0, 50), qRgb(0, 0, 0));
    EXPECT_EQ(printer.page.pixel(99, 50), qRgb(0, 0, 0));
    EXPECT_EQ(printer.page.pixel(100, 50), qRgb(255, 255, 255));
    EXPECT_EQ(printer.page.pixel(2599, 900), qRgb(0, 0, 0)); // right edge mark
}

} // namespace
