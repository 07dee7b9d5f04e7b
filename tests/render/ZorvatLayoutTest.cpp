#include "LayoutRecording.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

ZorvatData fullOrder()
{
    ZorvatData d;
    d.payer = {u"Firma d.o.o."_s, u"Ilica 1"_s, u"Zagreb"_s};
    d.purpose = {u"Račun 15"_s, QString(), QString()};
    d.recipient = {u"HEP d.d."_s, u"Ulica 2"_s, u"Split"_s};
    d.payerAccount = u"2330003-1100012345"_s;
    d.payerReferenceModel = u" 01"_s;
    d.payerReference = u"2002-0315"_s;
    d.executionCode = u"  1"_s;
    d.amount = u"12,5"_s;
    d.recipientAccount = u"2360000-1101234567"_s;
    d.recipientReferenceModel = u" 05"_s;
    d.recipientReference = u"123456789012345"_s;
    d.code1 = u"100"_s;
    d.code2 = u"200"_s;
    d.code3 = u"300"_s;
    d.place = u"Zagreb"_s;
    d.date = u"1.1.2002."_s;
    return d;
}

LayoutRecording record(const FormFrame &frame, const LayoutStyle &style = LayoutStyle::preview())
{
    LayoutRecording rec;
    PaintZorvat(rec.surface, frame, style, fullOrder());
    return rec;
}

TEST(PaintZorvat, PreviewRulesBoxesAndLinesAtTheWorkedPositions)
{
    const LayoutRecording rec = record(FormFrame::preview(610, 350));
    EXPECT_TRUE(rec.hasLine(312, 52, 312, 287));
    const Rect rectangles[] = {
        {394, 182, 589, 203}, {319, 70, 516, 91},   {319, 217, 516, 238}, {561, 70, 589, 91},
        {533, 143, 589, 164}, {498, 143, 526, 164}, {354, 101, 382, 122}, {351, 248, 379, 269},
        {389, 101, 589, 122}, {389, 248, 589, 269},
    };
    for (const Rect &r : rectangles)
        EXPECT_TRUE(rec.hasRectangle(r.x1, r.y1, r.x2, r.y2)) << r.x1 << "," << r.y1;
    EXPECT_TRUE(rec.hasLine(561, 143, 561, 164));
    const Rect dotted[] = {
        {14, 42, 236, 42},    {14, 73, 302, 73},   {14, 87, 302, 87},   {14, 101, 302, 101},
        {14, 147, 302, 147},  {14, 161, 302, 161}, {14, 175, 302, 175}, {14, 220, 302, 220},
        {14, 234, 302, 234},  {14, 248, 302, 248}, {14, 311, 200, 311}, {232, 311, 387, 311},
        {419, 311, 570, 311},
    };
    for (const Rect &l : dotted) {
        EXPECT_TRUE(rec.hasLine(l.x1, l.y1, l.x2, l.y2)) << l.x1 << "," << l.y1;
    }
    EXPECT_EQ(rec.ofKind(OpKind::LineTo).back().state.pen.style, PenStyle::psDot);
    EXPECT_EQ(rec.text(u"Firma d.o.o."_s).x, 171);
    EXPECT_EQ(rec.text(u"Firma d.o.o."_s).y, 59);
    EXPECT_EQ(rec.text(u"Zagreb"_s, 1).x, 89 - 30); // place; the payer's third line comes first
    EXPECT_EQ(rec.text(u"1.1.2002."_s).x, 247 - 45);
    EXPECT_EQ(rec.text(u"1.1.2002."_s).y, 290);
    EXPECT_EQ(rec.text(u"na broj"_s, 0).y, 106);
    EXPECT_EQ(rec.text(u"na broj"_s, 1).y, 253);
}

TEST(PaintZorvat, PrintFrameWorkedPositions)
{
    const LayoutRecording rec = record(FormFrame{2125, 1250, 0, 0}, LayoutStyle::print(PrintMode::Complete));
    EXPECT_TRUE(rec.hasLine(1087, 187, 1087, 1025));
    EXPECT_TRUE(rec.hasRectangle(1374, 650, 2050, 725));
    EXPECT_TRUE(rec.hasRectangle(1112, 250, 1799, 325));
    EXPECT_TRUE(rec.hasRectangle(1236, 362, 1336, 437));
    EXPECT_TRUE(rec.hasRectangle(1224, 887, 1324, 962));
    EXPECT_TRUE(rec.hasRectangle(1361, 362, 2050, 437));
    EXPECT_TRUE(rec.hasLine(50, 1112, 50 + 650, 1112));
}

TEST(PaintZorvat, OddCellWidthCentresTheSecondCodePartOnItsOwnHalf)
{
    // W = 620: r = 29, R = 599. The second part is centred on (R - 14) - 29, not R - 58 + 14.
    const LayoutRecording rec = record(FormFrame{620, 350, 0, 0});
    EXPECT_EQ(rec.text(u"200"_s).x, ((599 - 14) - 29) - 15);
    EXPECT_EQ(rec.text(u"300"_s).x, (599 - 14) - 15);
    EXPECT_EQ(rec.text(u"100"_s).x, (599 - 87 - 7 + 14) - 15);
}

TEST(PaintZorvat, DataPlacementInThePreview)
{
    const LayoutRecording rec = record(FormFrame::preview(610, 350));
    const struct
    {
        QString text;
        int x, y;
    } cases[] = {
        {u"Ilica 1"_s, 24, 73},
        {u"Račun 15"_s, 14 + 86, 133},
        {u"HEP d.d."_s, 14 + 89, 206},
        {u"Split"_s, 24, 234},
        {u"12,50"_s, 589 - 17 - 50, (182 + 10) - 8},
        {u"2330003-1100012345"_s, (319 + 98) - 90, (70 + 10) - 8},
        {u"2360000-1101234567"_s, (319 + 98) - 90, (217 + 10) - 8},
        {u" 01"_s, (354 + 14) - 15, (101 + 10) - 7},
        {u"2002-0315"_s, 351 + 39 + 14, (101 + 10) - 7},
        {u" 05"_s, (351 + 14) - 15, (248 + 10) - 7},
        {u"123456789012345"_s, 351 + 39 + 14, (248 + 10) - 7},
    };
    for (const auto &c : cases) {
        const RecordedOp op = rec.text(c.text);
        EXPECT_EQ(std::pair(op.x, op.y), std::pair(c.x, c.y)) << c.text.toStdString();
        EXPECT_EQ(op.state.font.color, clBlue);
    }
}

TEST(PaintZorvat, CaptionsAreBoxedWhiteThenTransparent)
{
    for (const LayoutStyle &style : {LayoutStyle::preview(), LayoutStyle::print(PrintMode::Template)}) {
        const LayoutRecording rec = record(FormFrame{2125, 1250, 0, 0}, style);
        const RecordedOp boxed = rec.text(u"Knjižite na teret našega računa"_s);
        EXPECT_EQ(boxed.kind, OpKind::TextRect);
        EXPECT_EQ(boxed.state.brush.style, BrushStyle::bsSolid);
        EXPECT_EQ(boxed.state.brush.color, clWhite);
        EXPECT_EQ(boxed.x2, 50 + 525);
        EXPECT_EQ(boxed.y, 219); // RoundEven(218.75)
        EXPECT_EQ(rec.text(u"broj računa"_s).state.brush.style, BrushStyle::bsClear);
        const RecordedOp title = rec.text(u"OPĆI NALOG ZA PRIJENOS"_s);
        EXPECT_EQ(title.x, 1112);
        EXPECT_TRUE(title.state.font.bold);
    }
}

} // namespace
