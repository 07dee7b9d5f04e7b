#include "render/PaintZorvat.h"

#include "render/FormBlocks.h"
#include "render/LayoutRows.h"
#include "render/TextPlacement.h"

using namespace Qt::StringLiterals;
using namespace TextPlacement;

namespace {

constexpr auto half = FormFrame::half;
constexpr auto RoundEven = FormFrame::RoundEven;

// The transfer order's positions beside the frame's shared ones.
struct Geometry
{
    explicit Geometry(const FormFrame &frame)
        : f(frame), Y0(f.originY), L(f.L()), R(f.R()), M(f.M()), T(f.T()), s(f.s()), r(f.r()), Vt(T + f.Y(7)),
          Vb(Y0 + f.height - f.Y(18)), Ay(Y0 + f.Y(52)), Kx(M + f.X(2)), kw(f.X(55)), K1y(Y0 + f.Y(20)),
          K2y(Y0 + f.Y(62)), Px(M + f.X(11)), P1y(Y0 + f.Y(29)), P2y(Y0 + f.Y(71)), Ey(Y0 + f.Y(20)),
          Cy(Y0 + f.Y(41)), Sy(Y0 + f.Y(89))
    {
    }
    int X(int n) const { return f.X(n); }
    int Y(int n) const { return f.Y(n); }

    const FormFrame &f;
    const int Y0, L, R, M, T, s, r;
    const int Vt, Vb;           // ends of the vertical rule
    const int Ay;               // top of the amount box
    const int Kx, kw, K1y, K2y; // account boxes: left edge (also of the right column's captions), width, tops
    const int Px, P1y, P2y;     // reference block: left edge, payer's and recipient's rows
    const int Ey, Cy;           // execution-method cell, code cells
    const int Sy;               // signature row
};

void drawRules(DrawingSurface &s, const Geometry &g)
{
    s.setPenColor(clBlack);
    s.setPenWidth(2);
    s.MoveTo(g.M, g.Vt);
    s.LineTo(g.M, g.Vb);
    FormBlocks::drawAmountBox(s, g.f, g.Ay);
    s.Rectangle(g.Kx, g.K1y, g.Kx + g.kw, g.K1y + g.s);
    s.Rectangle(g.Kx, g.K2y, g.Kx + g.kw, g.K2y + g.s);
    FormBlocks::drawCodeCells(s, g.f, g.Ey, g.Cy);
    // The payer's model cell stands one unit further right than the recipient's.
    s.Rectangle(g.Px + g.X(1), g.P1y, g.Px + g.X(1) + g.r, g.P1y + g.s);
    s.Rectangle(g.Px, g.P2y, g.Px + g.r, g.P2y + g.s);
    s.Rectangle(g.Px + g.r + g.X(3), g.P1y, g.R, g.P1y + g.s);
    s.Rectangle(g.Px + g.r + g.X(3), g.P2y, g.R, g.P2y + g.s);
}

void drawWritingLines(DrawingSurface &s, const Geometry &g)
{
    const int Y0 = g.Y0, L = g.L, columnEnd = g.M - g.X(3);
    const DottedLine lines[] = {
        {Y0 + g.Y(12), L, L + g.X(62)}, // under "(jedinica Zavoda)"
        {Y0 + g.Y(21), L, columnEnd},   // payer
        {Y0 + g.Y(25), L, columnEnd},
        {Y0 + g.Y(29), L, columnEnd},
        {Y0 + g.Y(42), L, columnEnd}, // purpose
        {Y0 + g.Y(46), L, columnEnd},
        {Y0 + g.Y(50), L, columnEnd},
        {Y0 + g.Y(63), L, columnEnd}, // recipient
        {Y0 + g.Y(67), L, columnEnd},
        {Y0 + g.Y(71), L, columnEnd},
        {g.Sy, L, L + g.X(52)}, // signature segments
        {g.Sy, L + g.X(61), L + g.X(104)},
        {g.Sy, L + g.X(113), L + g.X(155)},
    };
    drawDottedLines(s, lines);
}

void drawCaptions(DrawingSurface &s, const Geometry &g, const FontUnits &units)
{
    const int Y0 = g.Y0, L = g.L, R = g.R, T = g.T, Kx = g.Kx;
    s.setBrushColor(clWhite);
    s.setBrushStyle(BrushStyle::bsSolid);
    s.setFontColor(clBlack);
    s.setFontBold(false);
    s.setFontName(u"Arial"_s);

    // Boxed captions: each clip painted white and the text cut off at its edges.
    s.setFontHeight(g.Y(units.caption));
    const BoxedCaption boxed[] = {
        {u"ZAVOD ZA PLATNI PROMET"_s, L, T - g.Y(4), L + g.X(41), T - g.Y(1), L, T - g.Y(4)},
        {u"Knjižite na teret našega računa"_s, L, Y0 + g.Y(17), L + g.X(42), Y0 + g.Y(22), L,
         Y0 + RoundEven(g.f.height * 17.5L / 100)},
        {u"Svrha doznake"_s, L, Y0 + g.Y(39), L + g.X(21), Y0 + g.Y(44), L, Y0 + g.Y(39)},
        {u"U korist računa"_s, L, Y0 + g.Y(60), L + g.X(21), Y0 + g.Y(65), L, Y0 + g.Y(60)},
    };
    drawBoxedCaptions(s, boxed);
    s.setBrushStyle(BrushStyle::bsClear);
    s.TextOut(Kx, Y0 + g.Y(58), u"broj računa"_s);
    s.TextOut(Kx, Y0 + g.Y(16), u"broj računa"_s);

    // The title starts at the right column's caption edge.
    s.setFontBold(true);
    s.setFontHeight(g.Y(units.title));
    s.TextOut(Kx, Y0 + g.Y(3), u"OPĆI NALOG ZA PRIJENOS"_s);

    s.setFontHeight(g.Y(units.smallCaption));
    s.setFontBold(false);
    const long double W = g.f.width;
    const int referenceLine = RoundEven(g.f.height * 1.5L / 100);
    const SmallCaption small[] = {
        SmallCaption::centredOn(u"(jedinica Zavoda)"_s, L, W * 31 / 170, Y0 + g.Y(13)),
        SmallCaption::centredOn(u"(naziv i sjedište nalogodavca)"_s, L, W * 39.5L / 170, Y0 + g.Y(30)),
        SmallCaption::centredOn(u"(naziv i sjedište primatelja)"_s, L, W * 39.5L / 170, Y0 + g.Y(72)),
        SmallCaption::centredOn(u"(pečat i potpis nalogodavca)"_s, L, W * 26 / 170, Y0 + g.Y(90)),
        SmallCaption::centredOn(u"(datum predaje Zavodu)"_s, L + g.X(61), W * 21.5L / 170, Y0 + g.Y(90)),
        SmallCaption::centredOn(u"(mjesto i datum izvršenja)"_s, L + g.X(113), W * 21.5L / 170, Y0 + g.Y(90)),
        SmallCaption::at(u"način"_s, R - g.X(15), T + g.Y(12)),
        SmallCaption::at(u"izvrš."_s, R - g.X(15), T + g.Y(15)),
        SmallCaption::at(u"šifra"_s, R - g.X(33), Y0 + g.Y(43)),
        SmallCaption::at(u"poziv"_s, Kx, g.P1y - g.Y(1)),
        SmallCaption::at(u"na broj"_s, Kx, g.P1y + referenceLine),
        SmallCaption::at(u"(zaduž.)"_s, Kx, g.P1y + g.Y(4)),
        SmallCaption::at(u"poziv"_s, Kx, g.P2y - g.Y(1)),
        SmallCaption::at(u"na broj"_s, Kx, g.P2y + referenceLine),
        SmallCaption::at(u"(odobr.)"_s, Kx, g.P2y + g.Y(4)),
    };
    drawSmallCaptions(s, small);

    // Left of the amount box, level with its top.
    s.setFontHeight(g.Y(units.kn));
    s.TextOut(g.M + g.X(16), g.Ay, u"kn"_s);
}

void drawData(DrawingSurface &s, const Geometry &g, const LayoutStyle &style, const ZorvatData &d)
{
    const FontUnits &units = style.fontUnits;
    const int Y0 = g.Y0, L = g.L, T = g.T;
    FormBlocks::beginData(s, style.zorvatDataColor);

    // First lines start after the caption in front of them, later ones at L + X(3); nothing wraps
    // or clips.
    s.setFontHeight(g.Y(units.text));
    const PlacedText memoLines[] = {
        {d.payer[0], L + g.X(44), Y0 + g.Y(17)},     {d.payer[1], L + g.X(3), Y0 + g.Y(21)},
        {d.payer[2], L + g.X(3), Y0 + g.Y(25)},      {d.purpose[0], L + g.X(24), Y0 + g.Y(38)},
        {d.purpose[1], L + g.X(3), Y0 + g.Y(42)},    {d.purpose[2], L + g.X(3), Y0 + g.Y(46)},
        {d.recipient[0], L + g.X(25), Y0 + g.Y(59)}, {d.recipient[1], L + g.X(3), Y0 + g.Y(63)},
        {d.recipient[2], L + g.X(3), Y0 + g.Y(67)},
    };
    drawTexts(s, memoLines);
    s.TextOut(centredOn(L + g.X(21), s.TextWidth(d.place)), T + g.Y(75), d.place);
    s.TextOut(centredOn(L + g.X(65), s.TextWidth(d.date)), T + g.Y(75), d.date);
    FormBlocks::drawCodeTexts(s, g.f, g.Ey, g.Cy, {d.executionCode, d.code1, d.code2, d.code3});

    s.setFontHeight(g.Y(units.amount));
    FormBlocks::drawAmount(s, g.f, g.Ay, d.amount);
    const int accountX1 = centredIn(g.Kx, g.kw, s.TextWidth(d.payerAccount));
    s.TextOut(accountX1, centredIn(g.K1y, g.s, s.TextHeight(d.payerAccount)), d.payerAccount);
    const int accountX2 = centredIn(g.Kx, g.kw, s.TextWidth(d.recipientAccount));
    s.TextOut(accountX2, centredIn(g.K2y, g.s, s.TextHeight(d.recipientAccount)), d.recipientAccount);

    // The numbers of both rows start at the same x, inside their boxes.
    s.setFontHeight(g.Y(units.reference));
    const int numberX = g.Px + g.X(11) + half(g.r);
    const int row1 = centredIn(g.P1y, g.s, s.TextHeight(d.payerReferenceModel));
    const int row2 = centredIn(g.P2y, g.s, s.TextHeight(d.recipientReferenceModel));
    s.TextOut(centredIn(g.Px + g.X(1), g.r, s.TextWidth(d.payerReferenceModel)), row1, d.payerReferenceModel);
    s.TextOut(numberX, row1, d.payerReference);
    s.TextOut(centredIn(g.Px, g.r, s.TextWidth(d.recipientReferenceModel)), row2, d.recipientReferenceModel);
    s.TextOut(numberX, row2, d.recipientReference);
}

} // namespace

void PaintZorvat(DrawingSurface &surface, const FormFrame &frame, const LayoutStyle &style,
                 const ZorvatData &data)
{
    const Geometry g(frame);
    if (style.drawForm) {
        FormBlocks::fillBackground(surface, frame);
        drawRules(surface, g);
        drawWritingLines(surface, g);
        drawCaptions(surface, g, style.fontUnits);
    }
    if (style.drawData)
        drawData(surface, g, style, data);
}
