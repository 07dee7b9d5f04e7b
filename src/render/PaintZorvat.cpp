#include "render/PaintZorvat.h"

#include "render/FormBlocks.h"

using namespace Qt::StringLiterals;

namespace {

// The transfer order's positions beside the frame's shared ones.
struct Geometry : FormFrame
{
    explicit Geometry(const FormFrame &frame)
        : FormFrame(frame), ruleTop(T() + Y(7)), ruleBottom(originY + height - Y(18)),
          amountTop(originY + Y(52)), columnX(M() + X(2)), accountWidth(X(55)),
          payerAccountY(originY + Y(20)), recipientAccountY(originY + Y(62)), modelX(M() + X(11)),
          payerReferenceY(originY + Y(29)), recipientReferenceY(originY + Y(71)),
          codeCellsTop(originY + Y(41)), signatureY(originY + Y(89))
    {
    }

    int row(int n) const { return originY + Y(n); }

    const int ruleTop, ruleBottom; // ends of the vertical rule
    const int amountTop;           // top of the amount box
    // Left edge of both account boxes and of the right column's captions.
    const int columnX, accountWidth, payerAccountY, recipientAccountY;
    // Left edge of the reference block (the recipient's model cell), and the payer's and recipient's rows.
    const int modelX, payerReferenceY, recipientReferenceY;
    const int codeCellsTop; // top of the code cells
    const int signatureY;   // the signature row
};

void drawRules(DrawingSurface &surface, const Geometry &geometry)
{
    const int boxHeight = geometry.boxHeight(), cellWidth = geometry.cellWidth(), R = geometry.R();
    const int columnX = geometry.columnX, modelX = geometry.modelX;
    const int payerModelX = modelX + geometry.X(1), numberX = modelX + cellWidth + geometry.X(3);
    surface.setPenColor(clBlack);
    surface.setPenWidth(2);
    surface.MoveTo(geometry.M(), geometry.ruleTop);
    surface.LineTo(geometry.M(), geometry.ruleBottom);
    FormBlocks::drawAmountBox(surface, geometry, geometry.amountTop);
    for (const int top : {geometry.payerAccountY, geometry.recipientAccountY})
        surface.Rectangle(columnX, top, columnX + geometry.accountWidth, top + boxHeight);
    FormBlocks::drawCodeCells(surface, geometry, geometry.codeCellsTop);
    // The payer's model cell stands one unit further right than the recipient's.
    const int payerRow = geometry.payerReferenceY, recipientRow = geometry.recipientReferenceY;
    surface.Rectangle(payerModelX, payerRow, payerModelX + cellWidth, payerRow + boxHeight);
    surface.Rectangle(modelX, recipientRow, modelX + cellWidth, recipientRow + boxHeight);
    surface.Rectangle(numberX, payerRow, R, payerRow + boxHeight);
    surface.Rectangle(numberX, recipientRow, R, recipientRow + boxHeight);
}

std::vector<DottedLine> writingLines(const Geometry &geometry)
{
    const int L = geometry.L(), columnEnd = geometry.M() - geometry.X(3), signatureY = geometry.signatureY;
    return {
        {geometry.row(12), L, L + geometry.X(62)}, // under "(jedinica Zavoda)"
        {geometry.row(21), L, columnEnd},          // payer
        {geometry.row(25), L, columnEnd},
        {geometry.row(29), L, columnEnd},
        {geometry.row(42), L, columnEnd}, // purpose
        {geometry.row(46), L, columnEnd},
        {geometry.row(50), L, columnEnd},
        {geometry.row(63), L, columnEnd}, // recipient
        {geometry.row(67), L, columnEnd},
        {geometry.row(71), L, columnEnd},
        {signatureY, L, L + geometry.X(52)}, // signature segments
        {signatureY, L + geometry.X(61), L + geometry.X(104)},
        {signatureY, L + geometry.X(113), L + geometry.X(155)},
    };
}

void drawCaptions(DrawingSurface &surface, const Geometry &geometry, const LayoutStyle &style)
{
    const int L = geometry.L(), T = geometry.T(), columnX = geometry.columnX;
    auto X = [&](int n) { return geometry.X(n); };
    auto row = [&](int n) { return geometry.row(n); };
    // Boxed captions: each clip painted white and the text cut off at its edges.
    surface.setBrushColor(clWhite);
    surface.setBrushStyle(BrushStyle::bsSolid);
    FormBlocks::beginCaptions(surface, geometry, style.fontUnits);
    const BoxedCaption boxed[] = {
        {u"ZAVOD ZA PLATNI PROMET"_s, L, T - geometry.Y(4), L + X(41), T - geometry.Y(1)},
        {u"Knjižite na teret našega računa"_s, L, row(17), L + X(42), row(22), 0,
         FormFrame::RoundEven(geometry.height * 17.5L / 100) - geometry.Y(17)},
        {u"Svrha doznake"_s, L, row(39), L + X(21), row(44)},
        {u"U korist računa"_s, L, row(60), L + X(21), row(65)},
    };
    drawBoxedCaptions(surface, boxed);
    surface.setBrushStyle(BrushStyle::bsClear);
    surface.TextOut(columnX, row(58), u"broj računa"_s);
    surface.TextOut(columnX, row(16), u"broj računa"_s);

    // The title starts at the right column's caption edge.
    surface.setFontBold(true);
    surface.setFontHeight(geometry.Y(style.fontUnits.title));
    surface.TextOut(columnX, row(3), u"OPĆI NALOG ZA PRIJENOS"_s);

    surface.setFontHeight(geometry.Y(style.fontUnits.smallCaption));
    surface.setFontBold(false);
    const long double W = geometry.width;
    const int referenceLine = FormFrame::RoundEven(geometry.height * 1.5L / 100);
    const int payerRow = geometry.payerReferenceY, recipientRow = geometry.recipientReferenceY;
    const SmallCaption underTheLines[] = {
        SmallCaption::centredOn(u"(jedinica Zavoda)"_s, L, W * 31 / 170, row(13)),
        SmallCaption::centredOn(u"(naziv i sjedište nalogodavca)"_s, L, W * 39.5L / 170, row(30)),
        SmallCaption::centredOn(u"(naziv i sjedište primatelja)"_s, L, W * 39.5L / 170, row(72)),
        SmallCaption::centredOn(u"(pečat i potpis nalogodavca)"_s, L, W * 26 / 170, row(90)),
        SmallCaption::centredOn(u"(datum predaje Zavodu)"_s, L + X(61), W * 21.5L / 170, row(90)),
        SmallCaption::centredOn(u"(mjesto i datum izvršenja)"_s, L + X(113), W * 21.5L / 170, row(90)),
    };
    const SmallCaption referenceRows[] = {
        SmallCaption::at(u"poziv"_s, columnX, payerRow - geometry.Y(1)),
        SmallCaption::at(u"na broj"_s, columnX, payerRow + referenceLine),
        SmallCaption::at(u"(zaduž.)"_s, columnX, payerRow + geometry.Y(4)),
        SmallCaption::at(u"poziv"_s, columnX, recipientRow - geometry.Y(1)),
        SmallCaption::at(u"na broj"_s, columnX, recipientRow + referenceLine),
        SmallCaption::at(u"(odobr.)"_s, columnX, recipientRow + geometry.Y(4)),
    };
    drawSmallCaptions(surface,
                      joinRows<SmallCaption>(
                          {underTheLines, FormBlocks::codeCellCaptions(geometry, row(43)), referenceRows}));

    // Left of the amount box, level with its top.
    surface.setFontHeight(geometry.Y(style.fontUnits.kn));
    surface.TextOut(geometry.M() + X(16), geometry.amountTop, u"kn"_s);
}

std::vector<DataText> dataTexts(const Geometry &geometry, const ZorvatData &data)
{
    // First lines start after the caption in front of them, later ones at L + X(3); nothing wraps
    // or clips.
    const int L = geometry.L();
    auto line = [&](const QString &text, int x, int y) {
        return DataText{text, &FontUnits::text, {L + geometry.X(x), geometry.row(y)}, Alignment::TopLeft};
    };
    const DataText memoLines[] = {
        line(data.payer[0], 44, 17),     line(data.payer[1], 3, 21),     line(data.payer[2], 3, 25),
        line(data.purpose[0], 24, 38),   line(data.purpose[1], 3, 42),   line(data.purpose[2], 3, 46),
        line(data.recipient[0], 25, 59), line(data.recipient[1], 3, 63), line(data.recipient[2], 3, 67),
    };
    // The numbers of both rows start at the same x, inside their boxes.
    const int boxHeight = geometry.boxHeight(), cellWidth = geometry.cellWidth();
    const int columnX = geometry.columnX, accountWidth = geometry.accountWidth, modelX = geometry.modelX;
    const int numberX = modelX + geometry.X(11) + FormFrame::half(cellWidth);
    const int payerRow = geometry.payerReferenceY, recipientRow = geometry.recipientReferenceY;
    constexpr auto amountFont = &FontUnits::amount, referenceFont = &FontUnits::reference;
    constexpr auto Centre = Alignment::Centre, MiddleLeft = Alignment::MiddleLeft;
    const DataText boxes[] = {
        {data.payerAccount, amountFont, {columnX, geometry.payerAccountY, accountWidth, boxHeight}, Centre},
        {data.recipientAccount,
         amountFont,
         {columnX, geometry.recipientAccountY, accountWidth, boxHeight},
         Centre},
        {data.payerReferenceModel,
         referenceFont,
         {modelX + geometry.X(1), payerRow, cellWidth, boxHeight},
         Centre},
        {data.payerReference, referenceFont, {numberX, payerRow, 0, boxHeight}, MiddleLeft},
        {data.recipientReferenceModel, referenceFont, {modelX, recipientRow, cellWidth, boxHeight}, Centre},
        {data.recipientReference, referenceFont, {numberX, recipientRow, 0, boxHeight}, MiddleLeft},
    };
    return joinRows<DataText>({memoLines, FormBlocks::sharedTexts(geometry, data), boxes});
}

constexpr FormBlocks::Layout<Geometry, ZorvatData> zorvat{drawRules, writingLines, drawCaptions,
                                                          &LayoutStyle::zorvatDataColor, dataTexts};

} // namespace

void PaintZorvat(DrawingSurface &surface, const FormFrame &frame, const LayoutStyle &style,
                 const ZorvatData &data)
{
    FormBlocks::paintLayout(surface, zorvat, Geometry(frame), style, data);
}
