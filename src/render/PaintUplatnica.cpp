#include "render/PaintUplatnica.h"

#include "render/FormBlocks.h"
#include "render/LayoutRows.h"

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The payment slip's positions beside the frame's shared ones.
struct Geometry : FormFrame
{
    explicit Geometry(const FormFrame &frame)
        : FormFrame(frame), ruleBottom(originY + height - Y(9)), amountTop(originY + Y(41)),
          accountX(M() + X(2)), accountY(originY + Y(54)), accountWidth(X(55)), modelX(M() + X(11)),
          modelY(originY + Y(62)), postalX(originX + X(59)), postalY(T() + Y(2)), postalCellWidth(X(5)),
          postalHeight(Y(7)), codeCellsTop(originY + Y(33))
    {
    }

    const int ruleBottom;                       // lower end of the vertical rule
    const int amountTop;                        // top of the amount box
    const int accountX, accountY, accountWidth; // the account box
    const int modelX, modelY;                   // top-left of the reference model cell
    const int postalX, postalY;                 // top-left of the five postal number cells
    const int postalCellWidth, postalHeight;    //   and each one's size
    const int codeCellsTop;                     // top of the code cells
};

void drawRules(DrawingSurface &surface, const Geometry &geometry)
{
    const int L = geometry.L(), R = geometry.R(), M = geometry.M(), T = geometry.T();
    const int boxHeight = geometry.boxHeight(), cellWidth = geometry.cellWidth();
    const int accountX = geometry.accountX, accountY = geometry.accountY;
    const int modelX = geometry.modelX, modelY = geometry.modelY;
    const int postalX = geometry.postalX, postalY = geometry.postalY, postalCell = geometry.postalCellWidth;
    surface.setPenColor(clBlack);
    surface.setPenWidth(2);
    surface.MoveTo(L, T);
    surface.LineTo(R, T);
    surface.MoveTo(M, T);
    surface.LineTo(M, geometry.ruleBottom);
    FormBlocks::drawAmountBox(surface, geometry, geometry.amountTop);
    surface.Rectangle(accountX, accountY, accountX + geometry.accountWidth, accountY + boxHeight);
    FormBlocks::drawCodeCells(surface, geometry, geometry.codeCellsTop);
    surface.Rectangle(modelX, modelY, modelX + cellWidth, modelY + boxHeight);
    surface.Rectangle(modelX + cellWidth + geometry.X(2), modelY, R, modelY + boxHeight);
    surface.Rectangle(postalX, postalY, postalX + 5 * postalCell, postalY + geometry.postalHeight);
    for (int k = 1; k <= 4; ++k) {
        surface.MoveTo(postalX + k * postalCell, postalY);
        surface.LineTo(postalX + k * postalCell, postalY + geometry.postalHeight);
    }
}

std::vector<DottedLine> writingLines(const Geometry &geometry)
{
    const int T = geometry.T(), L = geometry.L(), R = geometry.R(), M = geometry.M();
    const int columnEnd = M - geometry.X(3);
    auto row = [&](int n) { return T + geometry.Y(n); };
    return {
        {row(16), L, columnEnd},
        {row(21), L, columnEnd},
        {row(29), L, columnEnd},
        {row(34), L, columnEnd},
        {row(39), L, columnEnd},
        {row(50), L, columnEnd},
        {row(55), L, columnEnd},
        {row(67), L, M - geometry.X(27)},
        {row(79), L, columnEnd},
        {row(67), R - geometry.X(32), R},
        {row(75), R - geometry.X(50), R - geometry.X(26)},
    };
}

void drawCaptions(DrawingSurface &surface, const Geometry &geometry, const LayoutStyle &style)
{
    const int L = geometry.L(), R = geometry.R(), M = geometry.M(), T = geometry.T();
    auto X = [&](int n) { return geometry.X(n); };
    auto Y = [&](int n) { return geometry.Y(n); };
    if (style.opaqueCaptions) {
        surface.setBrushColor(clWhite);
    } else {
        surface.setBrushColor(clNone);
        surface.setBrushStyle(BrushStyle::bsClear);
    }
    FormBlocks::beginCaptions(surface, geometry, style.fontUnits);
    const BoxedCaption boxed[] = {
        {u"ZAVOD ZA PLATNI PROMET"_s, L, T - Y(4), L + X(39), T - Y(1)},
        {u"Uplatitelj"_s, L, T + Y(13), L + X(12), T + Y(17)},
        {u"Svrha doznake"_s, L, T + Y(26), L + X(21), T + Y(30)},
        {u"Primatelj"_s, L, T + Y(47), L + X(12), T + Y(51)},
        {u"U"_s, L, T + Y(76), L + X(3), T + Y(80)},
        {u"dana"_s, L + X(43), T + Y(76), L + X(52), T + Y(80), X(44) - X(43)},
    };
    drawBoxedCaptions(surface, boxed);
    surface.TextOut(M + X(2), T + Y(41), u"broj računa"_s);

    // The title ends exactly at R.
    surface.setFontBold(true);
    const QString title = u"POSEBNA UPLATNICA"_s;
    const int titleWidth = surface.TextWidth(title);
    surface.TextRect(R - titleWidth, T - Y(4), R, T - Y(1), R - titleWidth, T - Y(4), title);

    surface.setFontHeight(Y(style.fontUnits.smallCaption));
    surface.setFontBold(false);
    const long double W = geometry.width;
    const long double nameColumnCentre = (M - W * 3 / 170 - L) / 2;
    const SmallCaption underTheBoxes[] = {
        SmallCaption::centredOn(u"(pečat i potpis)"_s, L, W * 28 / 170, T + Y(68)),
        SmallCaption::centredOn(u"(naziv i sjedište primatelja)"_s, L, nameColumnCentre, T + Y(56)),
        SmallCaption::centredOn(u"(naziv i adresa uplatitelja)"_s, L, nameColumnCentre, T + Y(22)),
        SmallCaption::centredOn(u"broj pošte"_s, geometry.postalX, 5 * geometry.postalCellWidth / 2.0L,
                                geometry.postalY + geometry.postalHeight),
        SmallCaption::centredOn(u"(broj dnevnika)"_s, M, W * 38 / 170, T + Y(76)),
        // R - RoundEven(tw / 2 + W * 16 / 170); ties go to even on both sides of zero, so this is
        // the same as centring on -W * 16 / 170 from R.
        SmallCaption::centredOn(u"(naplaćena naknada)"_s, R, -(W * 16 / 170), T + Y(68)),
    };
    const SmallCaption beside[] = {
        SmallCaption::at(u"poziv"_s, M + X(2), T + Y(53)),
        SmallCaption::at(u"na broj"_s, M + X(2), T + FormFrame::RoundEven(geometry.height * 55.5L / 100)),
        SmallCaption::at(u"(odobr.)"_s, M + X(2), T + Y(58)),
    };
    drawSmallCaptions(
        surface,
        joinRows<SmallCaption>({underTheBoxes, FormBlocks::codeCellCaptions(geometry, T + Y(26)), beside}));

    surface.setFontHeight(Y(style.fontUnits.kn));
    surface.TextOut(M + X(16), T + Y(33), u"kn"_s);
}

// One character per cell, centred and standing on the cells' lower edge; a short text leaves
// the remaining cells empty.
std::vector<DataText> postalDigits(const Geometry &geometry, const QString &postalNumber)
{
    std::vector<DataText> digits;
    const int width = geometry.postalCellWidth;
    for (int k = 0; k < 5 && k < postalNumber.size(); ++k) {
        const TextCell cell{geometry.postalX + k * width, geometry.postalY, width, geometry.postalHeight};
        digits.push_back({postalNumber.mid(k, 1), &FontUnits::postalDigit, cell, Alignment::BottomCentre});
    }
    return digits;
}

std::vector<DataText> dataTexts(const Geometry &geometry, const UplatnicaData &data)
{
    // First lines start after the printed caption, later ones at L + X(3); nothing wraps or clips.
    const int L = geometry.L(), T = geometry.T();
    auto line = [&](const QString &text, int x, int y) {
        return DataText{text, &FontUnits::text, {L + geometry.X(x), T + geometry.Y(y)}, Alignment::TopLeft};
    };
    const DataText memoLines[] = {
        line(data.payer[0], 15, 12),    line(data.payer[1], 3, 17),   line(data.purpose[0], 24, 25),
        line(data.purpose[1], 3, 30),   line(data.purpose[2], 3, 35), line(data.recipient[0], 15, 46),
        line(data.recipient[1], 3, 51),
    };
    // The reference number starts X(8) right of the model cell's middle.
    const int boxHeight = geometry.boxHeight(), cellWidth = geometry.cellWidth();
    const int modelX = geometry.modelX, modelY = geometry.modelY;
    const int numberX = modelX + geometry.X(8) + FormFrame::half(cellWidth);
    const TextCell account{geometry.accountX, geometry.accountY, geometry.accountWidth, boxHeight};
    constexpr auto referenceFont = &FontUnits::reference;
    const DataText boxes[] = {
        {data.account, &FontUnits::amount, account, Alignment::Centre},
        {data.referenceModel, referenceFont, {modelX, modelY, cellWidth, boxHeight}, Alignment::Centre},
        {data.reference, referenceFont, {numberX, modelY, 0, boxHeight}, Alignment::MiddleLeft},
    };
    return joinRows<DataText>(
        {postalDigits(geometry, data.postcode), memoLines, FormBlocks::sharedTexts(geometry, data), boxes});
}

constexpr FormBlocks::Layout<Geometry, UplatnicaData> uplatnica{drawRules, writingLines, drawCaptions,
                                                                &LayoutStyle::uplatnicaDataColor, dataTexts};

} // namespace

void PaintUplatnica(DrawingSurface &surface, const FormFrame &frame, const LayoutStyle &style,
                    const UplatnicaData &data)
{
    FormBlocks::paintLayout(surface, uplatnica, Geometry(frame), style, data);
}
