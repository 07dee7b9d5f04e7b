#include "render/LayoutRows.h"
#include "FixedTextMeasure.h"
#include "render/RecordingSurface.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace Qt::StringLiterals;

// A frame of 11 pixels per height unit, so the text font (1 unit) is 11 high and the amount
// font (2 units) 22; texts are 7 pixels a character. Odd sizes show the order of the halvings.
const FormFrame frame{170, 1100, 0, 0};
FontUnits textAndAmountUnits()
{
    FontUnits units{};
    units.text = 1;
    units.amount = 2;
    return units;
}
const FontUnits units = textAndAmountUnits();

TEST(LayoutRows, DataTextsStandInTheirCellsAsAligned)
{
    const TextCell cell{10, 20, 9, 13};
    const struct
    {
        Alignment alignment;
        int FontUnits::*font;
        int x, y, height;
    } cases[] = {
        {Alignment::TopLeft, &FontUnits::text, 10, 20, 11},
        {Alignment::TopCentre, &FontUnits::text, (10 + 4) - 10, 20, 11},
        {Alignment::MiddleLeft, &FontUnits::text, 10, (20 + 6) - 5, 11},
        {Alignment::Centre, &FontUnits::text, (10 + 4) - 10, (20 + 6) - 5, 11},
        {Alignment::MiddleRight, &FontUnits::text, 19 - 21, (20 + 6) - 5, 11},
        {Alignment::BottomCentre, &FontUnits::text, (10 + 4) - 10, 33 - 11, 11},
        {Alignment::Centre, &FontUnits::amount, (10 + 4) - 10, (20 + 6) - 11, 22},
    };
    for (const auto &c : cases) {
        FixedTextMeasure measure(7);
        RecordingSurface surface(measure);
        const DataText row{u"abc"_s, c.font, cell, c.alignment};
        drawDataTexts(surface, frame, units, {&row, 1});
        ASSERT_EQ(surface.ops().size(), 1u);
        const RecordedOp &op = surface.ops().front();
        EXPECT_EQ(std::tie(op.x, op.y, op.state.font.height), std::tie(c.x, c.y, c.height))
            << static_cast<int>(c.alignment);
    }
}

TEST(LayoutRows, JoinedTablesKeepTheirOrderAndBoxedCaptionsTheirOffsets)
{
    FixedTextMeasure measure(7);
    RecordingSurface surface(measure);
    const BoxedCaption first[] = {{u"a"_s, 1, 2, 30, 40}};
    const std::array<BoxedCaption, 2> second = {{{u"b"_s, 5, 6, 50, 60, 3, -1}, {u"c"_s, 7, 8, 70, 80}}};
    drawBoxedCaptions(surface, joinRows<BoxedCaption>({first, second}));
    const struct
    {
        QString text;
        int x, y, x1, y1;
    } expected[] = {{u"a"_s, 1, 2, 1, 2}, {u"b"_s, 8, 5, 5, 6}, {u"c"_s, 7, 8, 7, 8}};
    ASSERT_EQ(surface.ops().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const RecordedOp &op = surface.ops()[i];
        EXPECT_EQ(op.text, expected[i].text);
        EXPECT_EQ(op.x, expected[i].x) << "text placed from its clip's corner " << i;
        EXPECT_EQ(op.y, expected[i].y) << i;
        EXPECT_EQ(op.x1, expected[i].x1) << "the clip itself is not moved " << i;
        EXPECT_EQ(op.y1, expected[i].y1) << i;
    }
}

} // namespace
