#include "render/FormFrame.h"
#include "model/UserError.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace {

TEST(FormFrame, ReferencePositionsOfTheWorkedFrames)
{
    const struct
    {
        FormFrame frame;
        int L, R, M, T, boxHeight, cellWidth;
    } cases[] = {
        {FormFrame::preview(610, 350), 14, 589, 312, 28, 21, 28},
        {FormFrame{2125, 1250, 0, 0}, 50, 2050, 1087, 100, 75, 100},
        {FormFrame{2125, 1250, 130, 25}, 180, 2180, 1217, 125, 75, 100},
        {FormFrame{620, 350, 0, 0}, 14, 599, 317, 28, 21, 29},
        {FormFrame::preview(0, 0), 0, 0, 0, 0, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.frame.width << "x" << c.frame.height);
        EXPECT_EQ(std::make_tuple(c.frame.L(), c.frame.R(), c.frame.M(), c.frame.T(), c.frame.boxHeight(),
                                  c.frame.cellWidth()),
                  std::make_tuple(c.L, c.R, c.M, c.T, c.boxHeight, c.cellWidth));
    }
}

TEST(FormFrame, UnitsTruncateEachTermTowardZero)
{
    const FormFrame f = FormFrame::preview(610, 350);
    EXPECT_EQ(f.X(23), 82);  // 82.5
    EXPECT_EQ(f.X(-3), -10); // -10.76: the same magnitude as X(3)
    EXPECT_EQ(f.X(3), 10);
    // M + X(2) and X0 + X(89) differ: each term is truncated on its own.
    EXPECT_EQ(f.M() + f.X(2), 319);
    EXPECT_EQ(f.X(89), 319);
    const FormFrame wide{2125, 1250, 0, 0};
    EXPECT_EQ(wide.M() + wide.X(2), 1112);
    EXPECT_EQ(wide.X(89), 1112);
    EXPECT_EQ(wide.M() + wide.X(11) + wide.X(1), 1236);
    EXPECT_EQ(wide.X(99), 1237);
    // The products do not overflow 32 bits on a very large frame.
    EXPECT_EQ((FormFrame{20'000'000, 20'000'000, 0, 0}.X(170)), 20'000'000);
}

TEST(FormFrame, HalfTruncatesAndRoundEvenGoesToEvenOnTies)
{
    EXPECT_EQ(FormFrame::half(7), 3);
    EXPECT_EQ(FormFrame::half(-7), -3);
    const struct
    {
        long double value;
        int rounded;
    } cases[] = {
        {20.5L, 20},    {21.5L, 22},        {-20.5L, -20},      {-21.5L, -22},
        {137.5L, 138},  {1062.5L, 1062},    {68.75L, 69},       {12.5L, 12},
        {37.5L, 38},    {0.5L, 0},          {-0.5L, 0},         {20.4999L, 20},
        {20.5001L, 21}, {28.0L - 7.5L, 20}, {5666.6667L, 5667}, {1e12L, std::numeric_limits<int>::max()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormFrame::RoundEven(c.value), c.rounded) << static_cast<double>(c.value);
}

TEST(FormFrame, PrintFrameFromCalibrationPerforationAndOffsets)
{
    const struct
    {
        int rectWidth, rectHeight;
        bool perforation;
        int dX, dY;
        FormFrame expected;
    } cases[] = {
        {8, 8, false, 0, 0, {2125, 1250, 0, 0}},    {8, 8, true, 0, 0, {2125, 1250, 138, 0}},
        {16, 8, true, 0, 0, {1062, 1250, 69, 0}},   {3, 8, false, 0, 0, {5667, 1250, 0, 0}},
        {7, 7, true, 0, 0, {2429, 1429, 157, 0}},   {8, 8, false, 10, 1, {2125, 1250, 10, 12}},
        {16, 8, true, 10, 3, {1062, 1250, 79, 38}}, {8, 8, false, -5, -1, {2125, 1250, -5, -12}},
    };
    for (const auto &c : cases) {
        const FormFrame f = FormFrame::print(c.rectWidth, c.rectHeight, c.perforation, c.dX, c.dY);
        EXPECT_EQ(std::tie(f.width, f.height, f.originX, f.originY),
                  std::tie(c.expected.width, c.expected.height, c.expected.originX, c.expected.originY))
            << c.rectWidth << "," << c.rectHeight << " " << c.perforation << " " << c.dX << "," << c.dY;
    }
}

TEST(FormFrame, PrintFrameRefusesCalibrationsThatGiveNoUsableFrame)
{
    const int big = std::numeric_limits<int>::max();
    // The last three: an origin that fits, with a right or bottom edge that would not.
    const struct
    {
        int rectWidth, rectHeight, dX, dY;
    } cases[] = {
        {0, 8, 0, 0},   {8, 0, 0, 0},          {-8, 8, 0, 0},          {8, -1, 0, 0},        {8, 8, big, 0},
        {8, 1, 0, big}, {8, 8, 2147483000, 0}, {8, 8, -2147483000, 0}, {8, 8, 0, 171798600},
    };
    for (const auto &c : cases) {
        EXPECT_THROW(FormFrame::print(c.rectWidth, c.rectHeight, true, c.dX, c.dY), UserError)
            << c.rectWidth << "," << c.rectHeight << " " << c.dX << "," << c.dY;
    }
}

} // namespace
