#include "LayoutRecording.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

UplatnicaData fullSlip()
{
    UplatnicaData d;
    d.postcode = u"1 345"_s;
    d.payer = {u"Ivan Horvat"_s, u"Ilica 1"_s};
    d.purpose = {u"Račun"_s, QString(), u"treći red"_s};
    d.recipient = {u"HEP d.d."_s, QString()};
    d.place = u"Zagreb"_s;
    d.date = u"06.12.2001."_s;
    d.executionCode = u"  1"_s;
    d.code1 = u"123"_s;
    d.code2 = u" 45"_s;
    d.code3 = u"999"_s;
    d.amount = u"1234,5"_s;
    d.account = u"2360000-1101234567"_s;
    d.referenceModel = u" 01"_s;
    d.reference = u"12345-678"_s;
    return d;
}

LayoutRecording record(const FormFrame &frame, const LayoutStyle &style,
                       const UplatnicaData &data = fullSlip())
{
    LayoutRecording rec;
    PaintUplatnica(rec.surface, frame, style, data);
    return rec;
}

TEST(PaintUplatnica, RulesAndBoxesAtTheWorkedPositions)
{
    const struct
    {
        FormFrame frame;
        std::vector<Rect> rectangles;
        Rect topRule, verticalRule;
    } cases[] = {
        {FormFrame::preview(610, 350),
         {{394, 143, 589, 164}, {319, 189, 516, 210}, {211, 35, 211 + 5 * 17, 35 + 24}, {561, 70, 589, 91}},
         {14, 28, 589, 28},
         {312, 28, 312, 319}},
        {FormFrame{2125, 1250, 0, 0},
         {{1374, 512, 2050, 587}, {737, 125, 737 + 5 * 62, 125 + 87}, {1224, 775, 1324, 850}},
         {50, 100, 2050, 100},
         {1087, 100, 1087, 1250 - 112}},
    };
    for (const auto &c : cases) {
        const LayoutRecording rec = record(c.frame, LayoutStyle::preview());
        for (const Rect &r : c.rectangles)
            EXPECT_TRUE(rec.hasRectangle(r.x1, r.y1, r.x2, r.y2))
                << r.x1 << "," << r.y1 << " " << r.x2 << "," << r.y2;
        EXPECT_TRUE(rec.hasLine(c.topRule.x1, c.topRule.y1, c.topRule.x2, c.topRule.y2));
        EXPECT_TRUE(rec.hasLine(c.verticalRule.x1, c.verticalRule.y1, c.verticalRule.x2, c.verticalRule.y2));
    }
}

TEST(PaintUplatnica, PostalDigitsOnePerCellStandingOnTheLowerEdge)
{
    // Preview: cells of 17 x 24 from (211, 35); every character 10 wide, the cell height Y(7) = 24.
    const LayoutRecording rec = record(FormFrame::preview(610, 350), LayoutStyle::preview());
    const QString digits = u"1 345"_s;
    for (int k = 0; k < 5; ++k) {
        const RecordedOp op = rec.text(digits.mid(k, 1));
        EXPECT_EQ(op.x, 211 + k * 17 + 8 - 5) << k;
        EXPECT_EQ(op.y, 35 + 24 - 24) << k;
        EXPECT_EQ(op.state.font.height, 24);
    }

    UplatnicaData shortNumber = fullSlip();
    shortNumber.postcode = u"12"_s;
    const LayoutRecording shortRec =
        record(FormFrame::preview(610, 350), LayoutStyle::print(PrintMode::DataOnly), shortNumber);
    EXPECT_EQ(shortRec.ops()[0].text, u"1"_s);
    EXPECT_EQ(shortRec.ops()[1].text, u"2"_s);
    EXPECT_EQ(shortRec.ops()[2].state.font.height, FormFrame::preview(610, 350).Y(3)); // the payer's line
}

TEST(PaintUplatnica, CentredCaptionsRoundTiesToEven)
{
    // W = 170: one unit is one pixel, L = 4, R = 164.
    LayoutRecording rec;
    rec.measure.setWidth(u"(pečat i potpis)"_s, 15);    // L + RoundEven(28 - 7.5) = L + 20
    rec.measure.setWidth(u"(naplaćena naknada)"_s, 19); // R - RoundEven(9.5 + 16) = R - 26
    rec.measure.setWidth(u"(broj dnevnika)"_s, 13);     // M + RoundEven(38 - 6.5) = M + 32
    PaintUplatnica(rec.surface, FormFrame::preview(170, 100), LayoutStyle::preview(), fullSlip());
    EXPECT_EQ(rec.text(u"(pečat i potpis)"_s).x, 4 + 20);
    EXPECT_EQ(rec.text(u"(naplaćena naknada)"_s).x, 164 - 26);
    EXPECT_EQ(rec.text(u"(broj dnevnika)"_s).x, 87 + 32);
}

TEST(PaintUplatnica, DataPlacementInThePreview)
{
    const LayoutRecording rec = record(FormFrame::preview(610, 350), LayoutStyle::preview());
    const struct
    {
        QString text;
        int x, y;
    } cases[] = {
        {u"Ivan Horvat"_s, 14 + 53, 28 + 42},
        {u"Ilica 1"_s, 14 + 10, 28 + 59},
        {u"treći red"_s, 14 + 10, 28 + 122},
        {u"Zagreb"_s, 89 - 30, 28 + 262},
        {u"1.234,50"_s, 589 - 17 - 80, (143 + 10) - 8}, // right-aligned against R - X(5)
        {u"2360000-1101234567"_s, (319 + 98) - 90, (189 + 10) - 8},
        {u"  1"_s, (589 - 14) - 15, (70 + 10) - 7},           // execution method
        {u"999"_s, (589 - 14) - 15, (115 + 10) - 7},          // third code part
        {u" 45"_s, ((589 - 14) - 28) - 15, (115 + 10) - 7},   // second
        {u"123"_s, (589 + 14 - 84 - 7) - 15, (115 + 10) - 7}, // first
        {u" 01"_s, (351 + 14) - 15, (217 + 10) - 7},
        {u"12345-678"_s, 351 + 28 + 14, (217 + 10) - 7},
    };
    for (const auto &c : cases) {
        const RecordedOp op = rec.text(c.text);
        EXPECT_EQ(std::pair(op.x, op.y), std::pair(c.x, c.y)) << c.text.toStdString();
        EXPECT_EQ(op.state.font.name, u"Courier New"_s);
        EXPECT_EQ(op.state.brush.style, BrushStyle::bsClear);
    }
}

TEST(PaintUplatnica, AmountBoxShowsZeroForEmptyAndTheMarkerForBrokenAmounts)
{
    const struct
    {
        QString typed, drawn;
    } cases[] = {{QString(), u"0,00"_s}, {u"1.234.567,89"_s, u"POGREŠAN UNOS!!!"_s}, {u"-5"_s, u"-5,00"_s}};
    for (const auto &c : cases) {
        UplatnicaData d = fullSlip();
        d.amount = c.typed;
        for (const LayoutStyle &style : {LayoutStyle::preview(), LayoutStyle::print(PrintMode::DataOnly)}) {
            const LayoutRecording rec = record(FormFrame::preview(610, 350), style, d);
            EXPECT_EQ(rec.text(c.drawn).x, 589 - 17 - 10 * static_cast<int>(c.drawn.size()))
                << c.typed.toStdString();
        }
    }
}

TEST(PaintUplatnica, StylesChooseFontsColoursAndCaptionBrush)
{
    const FormFrame frame{2125, 1250, 0, 0};
    const LayoutRecording preview = record(frame, LayoutStyle::preview());
    const LayoutRecording print = record(frame, LayoutStyle::print(PrintMode::Complete));
    EXPECT_EQ(preview.text(u"Uplatitelj"_s).state.font.height, 50);
    EXPECT_EQ(print.text(u"Uplatitelj"_s).state.font.height, 37);
    EXPECT_EQ(preview.text(u"Uplatitelj"_s).state.brush.style, BrushStyle::bsSolid);
    EXPECT_EQ(preview.text(u"Uplatitelj"_s).state.brush.color, clWhite);
    EXPECT_EQ(print.text(u"Uplatitelj"_s).state.brush.style, BrushStyle::bsClear);
    EXPECT_EQ(print.text(u"POSEBNA UPLATNICA"_s).state.font.bold, true);
    EXPECT_EQ(print.text(u"(pečat i potpis)"_s).state.font.height, 25);
    EXPECT_EQ(print.text(u"kn"_s).state.font.height, 50);
    EXPECT_EQ(preview.text(u"Ivan Horvat"_s).state.font.color, clBlue);
    EXPECT_EQ(print.text(u"Ivan Horvat"_s).state.font.color, clBlack);
    EXPECT_EQ(print.text(u"1"_s).state.font.height, 75);
    // The title ends exactly at R.
    const RecordedOp title = print.text(u"POSEBNA UPLATNICA"_s);
    EXPECT_EQ(title.x + title.tw, 2050);
    EXPECT_EQ(title.x2, 2050);
}

} // namespace
