#include "render/PaintUplatnica.h"

#include "render/FormBlocks.h"
#include "render/LayoutRows.h"
#include "render/TextPlacement.h"

using namespace Qt::StringLiterals;
using namespace TextPlacement;

namespace {

constexpr auto half = FormFrame::half;
constexpr auto RoundEven = FormFrame::RoundEven;

// The payment slip's positions beside the frame's shared ones.
struct Geometry
{
    explicit Geometry(const FormFrame &frame)
        : f(frame), L(f.L()), R(f.R()), M(f.M()), T(f.T()), s(f.s()), r(f.r()),
          Bv(f.originY + f.height - f.Y(9)), Ay(f.originY + f.Y(41)), Kx(M + f.X(2)), Ky(f.originY + f.Y(54)),
          kw(f.X(55)), Px(M + f.X(11)), Py(f.originY + f.Y(62)), Qx(f.originX + f.X(59)), Qy(T + f.Y(2)),
          b(f.X(5)), d(f.Y(7)), Ey(f.originY + f.Y(20)), Cy(f.originY + f.Y(33))
    {
    }
    int X(int n) const { return f.X(n); }
    int Y(int n) const { return f.Y(n); }

    const FormFrame &f;
    const int L, R, M, T, s, r;
    const int Bv;           // lower end of the vertical rule
    const int Ay;           // top of the amount box
    const int Kx, Ky, kw;   // account box
    const int Px, Py;       // reference model cell
    const int Qx, Qy, b, d; // postal number cells: top-left, cell width, height
    const int Ey, Cy;       // execution-method cell, code cells
};

void drawRules(DrawingSurface &s, const Geometry &g)
{
    s.setPenColor(clBlack);
    s.setPenWidth(2);
    s.MoveTo(g.L, g.T);
    s.LineTo(g.R, g.T);
    s.MoveTo(g.M, g.T);
    s.LineTo(g.M, g.Bv);
    FormBlocks::drawAmountBox(s, g.f, g.Ay);
    s.Rectangle(g.Kx, g.Ky, g.Kx + g.kw, g.Ky + g.s);
    FormBlocks::drawCodeCells(s, g.f, g.Ey, g.Cy);
    s.Rectangle(g.Px, g.Py, g.Px + g.r, g.Py + g.s);
    s.Rectangle(g.Px + g.r + g.X(2), g.Py, g.R, g.Py + g.s);
    s.Rectangle(g.Qx, g.Qy, g.Qx + 5 * g.b, g.Qy + g.d);
    for (int k = 1; k <= 4; ++k) {
        s.MoveTo(g.Qx + k * g.b, g.Qy);
        s.LineTo(g.Qx + k * g.b, g.Qy + g.d);
    }
}

void drawWritingLines(DrawingSurface &s, const Geometry &g)
{
    const int T = g.T, L = g.L, R = g.R, columnEnd = g.M - g.X(3);
    const DottedLine lines[] = {
        {T + g.Y(16), L, columnEnd},
        {T + g.Y(21), L, columnEnd},
        {T + g.Y(29), L, columnEnd},
        {T + g.Y(34), L, columnEnd},
        {T + g.Y(39), L, columnEnd},
        {T + g.Y(50), L, columnEnd},
        {T + g.Y(55), L, columnEnd},
        {T + g.Y(67), L, g.M - g.X(27)},
        {T + g.Y(79), L, columnEnd},
        {T + g.Y(67), R - g.X(32), R},
        {T + g.Y(75), R - g.X(50), R - g.X(26)},
    };
    drawDottedLines(s, lines);
}

void drawCaptions(DrawingSurface &s, const Geometry &g, const FontUnits &units, bool opaque)
{
    const int L = g.L, R = g.R, M = g.M, T = g.T;
    if (opaque) {
        s.setBrushColor(clWhite);
    } else {
        s.setBrushColor(clNone);
        s.setBrushStyle(BrushStyle::bsClear);
    }
    s.setFontColor(clBlack);
    s.setFontBold(false);
    s.setFontName(u"Arial"_s);

    s.setFontHeight(g.Y(units.caption));
    const BoxedCaption boxed[] = {
        {u"ZAVOD ZA PLATNI PROMET"_s, L, T - g.Y(4), L + g.X(39), T - g.Y(1), L, T - g.Y(4)},
        {u"Uplatitelj"_s, L, T + g.Y(13), L + g.X(12), T + g.Y(17), L, T + g.Y(13)},
        {u"Svrha doznake"_s, L, T + g.Y(26), L + g.X(21), T + g.Y(30), L, T + g.Y(26)},
        {u"Primatelj"_s, L, T + g.Y(47), L + g.X(12), T + g.Y(51), L, T + g.Y(47)},
        {u"U"_s, L, T + g.Y(76), L + g.X(3), T + g.Y(80), L, T + g.Y(76)},
        {u"dana"_s, L + g.X(43), T + g.Y(76), L + g.X(52), T + g.Y(80), L + g.X(44), T + g.Y(76)},
    };
    drawBoxedCaptions(s, boxed);
    s.TextOut(M + g.X(2), T + g.Y(41), u"broj računa"_s);

    // The title ends exactly at R.
    s.setFontBold(true);
    const QString title = u"POSEBNA UPLATNICA"_s;
    const int tw = s.TextWidth(title);
    s.TextRect(R - tw, T - g.Y(4), R, T - g.Y(1), R - tw, T - g.Y(4), title);

    s.setFontHeight(g.Y(units.smallCaption));
    s.setFontBold(false);
    const long double W = g.f.width;
    const long double nameColumnCentre = (M - W * 3 / 170 - L) / 2;
    const SmallCaption small[] = {
        SmallCaption::centredOn(u"(pečat i potpis)"_s, L, W * 28 / 170, T + g.Y(68)),
        SmallCaption::centredOn(u"(naziv i sjedište primatelja)"_s, L, nameColumnCentre, T + g.Y(56)),
        SmallCaption::centredOn(u"(naziv i adresa uplatitelja)"_s, L, nameColumnCentre, T + g.Y(22)),
        SmallCaption::centredOn(u"broj pošte"_s, g.Qx, 5 * g.b / 2.0L, g.Qy + g.d),
        SmallCaption::centredOn(u"(broj dnevnika)"_s, M, W * 38 / 170, T + g.Y(76)),
        // R - RoundEven(tw / 2 + W * 16 / 170); ties go to even on both sides of zero, so this is
        // the same as centring on -W * 16 / 170 from R.
        SmallCaption::centredOn(u"(naplaćena naknada)"_s, R, -(W * 16 / 170), T + g.Y(68)),
        SmallCaption::at(u"način"_s, R - g.X(15), T + g.Y(12)),
        SmallCaption::at(u"izvrš."_s, R - g.X(15), T + g.Y(15)),
        SmallCaption::at(u"šifra"_s, R - g.X(33), T + g.Y(26)),
        SmallCaption::at(u"poziv"_s, M + g.X(2), T + g.Y(53)),
        SmallCaption::at(u"na broj"_s, M + g.X(2), T + RoundEven(g.f.height * 55.5L / 100)),
        SmallCaption::at(u"(odobr.)"_s, M + g.X(2), T + g.Y(58)),
    };
    drawSmallCaptions(s, small);

    s.setFontHeight(g.Y(units.kn));
    s.TextOut(M + g.X(16), T + g.Y(33), u"kn"_s);
}

// One character per cell, centred and standing on the cells' lower edge; a short text leaves
// the remaining cells empty.
void drawPostalNumber(DrawingSurface &s, const Geometry &g, const QString &postalNumber)
{
    const int th = s.TextHeight(postalNumber.left(1));
    for (int k = 0; k < 5 && k < postalNumber.size(); ++k) {
        const QString digit = postalNumber.mid(k, 1);
        s.TextOut(centredIn(g.Qx + k * g.b, g.b, s.TextWidth(digit)), bottomOn(g.Qy + g.d, th), digit);
    }
}

void drawData(DrawingSurface &s, const Geometry &g, const LayoutStyle &style, const UplatnicaData &d)
{
    const FontUnits &units = style.fontUnits;
    const int L = g.L, T = g.T;
    FormBlocks::beginData(s, style.uplatnicaDataColor);

    s.setFontHeight(g.Y(units.postalDigit));
    drawPostalNumber(s, g, d.postcode);

    // First lines start after the printed caption, later ones at L + X(3); nothing wraps or clips.
    s.setFontHeight(g.Y(units.text));
    const PlacedText memoLines[] = {
        {d.payer[0], L + g.X(15), T + g.Y(12)},    {d.payer[1], L + g.X(3), T + g.Y(17)},
        {d.purpose[0], L + g.X(24), T + g.Y(25)},  {d.purpose[1], L + g.X(3), T + g.Y(30)},
        {d.purpose[2], L + g.X(3), T + g.Y(35)},   {d.recipient[0], L + g.X(15), T + g.Y(46)},
        {d.recipient[1], L + g.X(3), T + g.Y(51)},
    };
    drawTexts(s, memoLines);
    s.TextOut(centredOn(L + g.X(21), s.TextWidth(d.place)), T + g.Y(75), d.place);
    s.TextOut(centredOn(L + g.X(65), s.TextWidth(d.date)), T + g.Y(75), d.date);
    FormBlocks::drawCodeTexts(s, g.f, g.Ey, g.Cy, {d.executionCode, d.code1, d.code2, d.code3});

    s.setFontHeight(g.Y(units.amount));
    FormBlocks::drawAmount(s, g.f, g.Ay, d.amount);
    s.TextOut(centredIn(g.Kx, g.kw, s.TextWidth(d.account)), centredIn(g.Ky, g.s, s.TextHeight(d.account)),
              d.account);

    s.setFontHeight(g.Y(units.reference));
    const int referenceY = centredIn(g.Py, g.s, s.TextHeight(d.referenceModel));
    s.TextOut(centredIn(g.Px, g.r, s.TextWidth(d.referenceModel)), referenceY, d.referenceModel);
    s.TextOut(g.Px + g.X(8) + half(g.r), referenceY, d.reference);
}

} // namespace

void PaintUplatnica(DrawingSurface &surface, const FormFrame &frame, const LayoutStyle &style,
                    const UplatnicaData &data)
{
    const Geometry g(frame);
    if (style.drawForm) {
        FormBlocks::fillBackground(surface, frame);
        drawRules(surface, g);
        drawWritingLines(surface, g);
        drawCaptions(surface, g, style.fontUnits, style.opaqueCaptions);
    }
    if (style.drawData)
        drawData(surface, g, style, data);
}
