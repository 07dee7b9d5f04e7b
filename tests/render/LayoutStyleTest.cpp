#include "LayoutRecording.h"
#include "model/SlipData.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace Qt::StringLiterals;

using Layout = std::function<void(DrawingSurface &, const FormFrame &, const LayoutStyle &)>;

struct NamedLayout
{
    const char *name;
    Layout paint;
};

// Both layouts with records whose every field holds something.
std::vector<NamedLayout> layouts()
{
    SlipTexts uplatnica, zorvat;
    for (size_t i = 0; i < uplatnica.size(); ++i) {
        uplatnica[i] = u"u%1"_s.arg(i);
        zorvat[i] = u"z%1"_s.arg(i);
    }
    const UplatnicaData u = UplatnicaData::fromTexts(uplatnica);
    const ZorvatData z = ZorvatData::fromTexts(zorvat, u"mjesto"_s, u"datum"_s);
    return {
        {"Uplatnica",
         [u](DrawingSurface &s, const FormFrame &f, const LayoutStyle &st) { PaintUplatnica(s, f, st, u); }},
        {"Zorvat",
         [z](DrawingSurface &s, const FormFrame &f, const LayoutStyle &st) { PaintZorvat(s, f, st, z); }},
    };
}

LayoutRecording record(const NamedLayout &layout, const FormFrame &frame, const LayoutStyle &style)
{
    LayoutRecording rec;
    layout.paint(rec.surface, frame, style);
    return rec;
}

int count(const LayoutRecording &rec, const std::function<bool(const RecordedOp &)> &match)
{
    int n = 0;
    for (const RecordedOp &op : rec.ops())
        n += match(op) ? 1 : 0;
    return n;
}

bool isLine(const RecordedOp &op)
{
    return op.kind == OpKind::MoveTo || op.kind == OpKind::LineTo || op.kind == OpKind::Rectangle ||
           op.kind == OpKind::FillRect;
}

bool isData(const RecordedOp &op)
{
    return (op.kind == OpKind::TextOut || op.kind == OpKind::TextRect) &&
           op.state.font.name == u"Courier New"_s;
}

bool isCaption(const RecordedOp &op)
{
    return (op.kind == OpKind::TextOut || op.kind == OpKind::TextRect) && op.state.font.name == u"Arial"_s;
}

TEST(LayoutStyle, PrintModesDrawFormDataOrBoth)
{
    const FormFrame frame = FormFrame::print(8, 8, false, 0, 0);
    for (const NamedLayout &layout : layouts()) {
        SCOPED_TRACE(layout.name);
        const LayoutRecording complete = record(layout, frame, LayoutStyle::print(PrintMode::Complete));
        const LayoutRecording blank = record(layout, frame, LayoutStyle::print(PrintMode::Template));
        const LayoutRecording dataOnly = record(layout, frame, LayoutStyle::print(PrintMode::DataOnly));
        EXPECT_GT(count(complete, isLine), 20);
        EXPECT_GT(count(complete, isCaption), 15);
        EXPECT_GT(count(complete, isData), 15);
        EXPECT_EQ(count(blank, isData), 0); // not even the amount
        EXPECT_EQ(count(blank, isLine), count(complete, isLine));
        EXPECT_EQ(count(blank, isCaption), count(complete, isCaption));
        EXPECT_EQ(count(dataOnly, isLine), 0);
        EXPECT_EQ(count(dataOnly, isCaption), 0);
        EXPECT_EQ(count(dataOnly, isData), count(complete, isData));
        EXPECT_EQ(complete.ops().front().kind, OpKind::FillRect);
    }
}

TEST(LayoutStyle, DataColourIsBlueExceptThePrintedPaymentSlip)
{
    const struct
    {
        LayoutStyle style;
        Color uplatnica, zorvat;
    } cases[] = {
        {LayoutStyle::preview(), clBlue, clBlue},
        {LayoutStyle::print(PrintMode::Complete), clBlack, clBlue},
        {LayoutStyle::print(PrintMode::DataOnly), clBlack, clBlue},
    };
    const std::vector<NamedLayout> both = layouts();
    for (const auto &c : cases) {
        const Color expected[] = {c.uplatnica, c.zorvat};
        for (size_t k = 0; k < both.size(); ++k) {
            const LayoutRecording rec = record(both[k], FormFrame::preview(610, 350), c.style);
            const auto inColour = [&](const RecordedOp &op) { return op.state.font.color == expected[k]; };
            const auto onABrush = [](const RecordedOp &op) {
                return op.state.brush.style != BrushStyle::bsClear;
            };
            EXPECT_EQ(count(rec, isData),
                      count(rec, [&](const RecordedOp &op) { return isData(op) && inColour(op); }))
                << both[k].name;
            EXPECT_EQ(count(rec, [&](const RecordedOp &op) { return isData(op) && onABrush(op); }), 0);
        }
    }
}

// Every coordinate moves with the origin, except the background fill at the surface's corner.
TEST(LayoutStyle, OriginMovesEverythingButTheBackground)
{
    for (const NamedLayout &layout : layouts()) {
        SCOPED_TRACE(layout.name);
        const LayoutRecording base =
            record(layout, FormFrame{2125, 1250, 0, 0}, LayoutStyle::print(PrintMode::Complete));
        const LayoutRecording moved =
            record(layout, FormFrame{2125, 1250, 130, 25}, LayoutStyle::print(PrintMode::Complete));
        ASSERT_EQ(base.ops().size(), moved.ops().size());
        const RecordedOp &fill = moved.ops().front();
        EXPECT_EQ(fill.kind, OpKind::FillRect);
        EXPECT_EQ(QPoint(fill.x1, fill.y1), QPoint(0, 0));
        EXPECT_EQ(QPoint(fill.x2, fill.y2), QPoint(2125, 1250));
        for (size_t i = 1; i < base.ops().size(); ++i) {
            const RecordedOp &a = base.ops()[i], &b = moved.ops()[i];
            EXPECT_EQ(b.text, a.text);
            EXPECT_EQ(b.state, a.state) << i;
            EXPECT_EQ(QPoint(b.x, b.y) - QPoint(a.x, a.y),
                      a.kind == OpKind::Rectangle ? QPoint() : QPoint(130, 25))
                << i;
            if (a.kind == OpKind::Rectangle || a.kind == OpKind::TextRect) {
                EXPECT_EQ(QPoint(b.x1, b.y1) - QPoint(a.x1, a.y1), QPoint(130, 25)) << i;
                EXPECT_EQ(QPoint(b.x2, b.y2) - QPoint(a.x2, a.y2), QPoint(130, 25)) << i;
            }
        }
    }
}

TEST(LayoutStyle, ZeroSizedFrameDrawsOnTheOriginWithoutFailing)
{
    for (const NamedLayout &layout : layouts()) {
        const LayoutRecording rec = record(layout, FormFrame::preview(0, 0), LayoutStyle::preview());
        EXPECT_GT(rec.ops().size(), 50u) << layout.name;
        for (const RecordedOp &op : rec.ofKind(OpKind::Rectangle))
            EXPECT_EQ(op.x1, op.x2) << layout.name;
    }
}

} // namespace
