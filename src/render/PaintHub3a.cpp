#include "render/PaintHub3a.h"

#include "model/Hub3aParty.h"
#include "model/Hub3aPayload.h"
#include "render/FormBlocks.h"
#include "render/Hub3aForm.h"
#include "render/QPainterSurface.h"
#include "render/TextPlacement.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace Hub3aForm;

namespace {

constexpr Color dataInk = clBlack;
constexpr int boxedHeight = 360;   // monospace 9 pt
constexpr int lineHeight = 320;    // monospace 8 pt
constexpr int addressHeight = 315; // sans 8 pt
constexpr int stubHeight = 276;    // sans 7 pt
constexpr double baselineAboveBox = 0.90;

enum class Align { Left, Right };

// One character per cell, centred on each cell, the text standing at the left or right end.
void drawInCells(DrawingSurface &surface, const CellBox &box, const QString &text, Align align)
{
    const int shown = std::min<int>(static_cast<int>(text.size()), box.cells);
    const int firstCell = align == Align::Left ? 0 : box.cells - shown;
    const int baseline = units(box.y1 - baselineAboveBox);
    for (int i = 0; i < shown; ++i) {
        const QString ch = text.mid(i, 1);
        const int centre = units(box.x0 + (firstCell + i + 0.5) * box.pitch());
        textAtBaseline(surface, TextPlacement::centredOn(centre, surface.TextWidth(ch)), baseline, ch,
                       monoAscent);
    }
}

// Names and addresses: the font shrinks until the line ends before maxRight.
void drawFitted(DrawingSurface &surface, int x, int baseline, int maxRight, const QString &text)
{
    int height = addressHeight;
    surface.setFontHeight(height);
    while (height > 100 && x + surface.TextWidth(text) > maxRight)
        surface.setFontHeight(height -= 10);
    textAtBaseline(surface, x, baseline, text, sansAscent);
}

void drawRight(DrawingSurface &surface, int right, int baseline, const QString &text)
{
    textAtBaseline(surface, TextPlacement::rightAgainst(right, surface.TextWidth(text)), baseline, text,
                   sansAscent);
}

// The amount box: the cents' digits right-aligned, the last two in the decimal cells, "=" in
// the cell before the first digit when there is one.
QString amountCells(qint64 cents)
{
    const QString digits = QString::number(cents).rightJustified(3, u'0');
    return digits.size() < amountBox.cells ? u'=' + digits : digits;
}

QString reference(const QString &model, const QString &number)
{
    return model.isEmpty() ? number : number.isEmpty() ? model : model + u' ' + number;
}

void drawAddresses(DrawingSurface &surface, const Hub3aRecord &r)
{
    surface.setFontName(u"Arial"_s);
    const auto payer = hub3aPartyFields(Hub3aSide::Payer).lines();
    const auto recipient = hub3aPartyFields(Hub3aSide::Recipient).lines();
    const double payerBaselines[] = {11.0, 15.2, 19.4};
    const double recipientBaselines[] = {37.2, 41.4, 45.6};
    for (size_t i = 0; i < payer.size(); ++i) {
        drawFitted(surface, units(6.50), units(payerBaselines[i]), units(48.0), r[payer[i]]);
        drawFitted(surface, units(6.50), units(recipientBaselines[i]), units(48.0), r[recipient[i]]);
    }
}

void drawBoxedFields(DrawingSurface &surface, const Hub3aRecord &r)
{
    using F = Hub3aField;
    surface.setFontName(u"Courier New"_s);
    surface.setFontHeight(boxedHeight);
    const std::optional<qint64> cents = hub3aAmountCents(r[F::Amount]);
    if (cents && !r[F::Amount].isEmpty())
        drawInCells(surface, amountBox, amountCells(*cents), Align::Right);
    drawInCells(surface, currencyBox, u"EUR"_s, Align::Left);
    if (r.urgent())
        drawInCells(surface, urgentBox, u"X"_s, Align::Left);
    const Hub3aPartyFields &payer = hub3aPartyFields(Hub3aSide::Payer);
    const Hub3aPartyFields &recipient = hub3aPartyFields(Hub3aSide::Recipient);
    const struct
    {
        const CellBox &box;
        F field;
    } boxed[] = {
        {payerIbanBox, payer.iban},           {payerModelBox, payer.model},
        {payerReferenceBox, payer.reference}, {recipientIbanBox, recipient.iban},
        {recipientModelBox, recipient.model}, {recipientReferenceBox, recipient.reference},
        {purposeBox, F::PurposeCode},         {dateBox, F::ExecutionDate},
    };
    for (const auto &b : boxed)
        drawInCells(surface, b.box, r[b.field], Align::Left);
    surface.setFontHeight(lineHeight);
    textAtBaseline(surface, units(83.60), units(42.2), r[F::Description], monoAscent);
}

void drawStub(DrawingSurface &surface, const Hub3aRecord &r)
{
    using F = Hub3aField;
    surface.setFontName(u"Arial"_s);
    surface.setFontHeight(stubHeight);
    const int right = units(206.20);
    const std::optional<qint64> cents = hub3aAmountCents(r[F::Amount]);
    if (cents && !r[F::Amount].isEmpty())
        drawRight(surface, right, units(9.6), u"EUR "_s + hub3aAmountText(*cents));
    const Hub3aParty payer = Hub3aParty::of(r, Hub3aSide::Payer);
    const Hub3aParty recipient = Hub3aParty::of(r, Hub3aSide::Recipient);
    drawRight(surface, right, units(15.65), payer.iban.isEmpty() ? payer.name : payer.iban);
    drawRight(surface, right, units(23.65), reference(payer.model, payer.reference));
    drawRight(surface, right, units(29.65), recipient.iban);
    drawRight(surface, right, units(37.65), reference(recipient.model, recipient.reference));
    textAtBaseline(surface, units(153.80), units(44.3), r[F::Description], sansAscent);
}

void drawBarcode(DrawingSurface &surface, const QByteArray &payload)
{
    surface.setPenColor(dataInk);
    surface.Barcode(units(barcodeLeft), units(barcodeTop), units(barcodeRight), units(barcodeBottom),
                    payload);
}

// "NEISPRAVNO" in red, bold, across the middle of the barcode's cell.
void drawRefusedCell(DrawingSurface &surface)
{
    const QString word = u"NEISPRAVNO"_s;
    surface.setFontName(u"Arial"_s);
    surface.setFontBold(true);
    surface.setFontColor(ink);
    surface.setFontHeight(600);
    const int centre = units((barcodeLeft + barcodeRight) / 2);
    const int baseline = units((barcodeTop + barcodeBottom) / 2) + 200;
    textAtBaseline(surface, TextPlacement::centredOn(centre, surface.TextWidth(word)), baseline, word,
                   sansAscent);
    surface.setFontBold(false);
    surface.setFontColor(dataInk);
}

// Draws onto painter through mmToPainter in the layout's unit, hundredths of a millimetre.
template <typename Draw>
void drawOnPainter(QPainter &painter, const QTransform &mmToPainter, const Hub3aPaintOptions &options,
                   const Draw &draw)
{
    constexpr double unitsPerMm = 100;
    painter.save();
    painter.setTransform(mmToPainter, true);
    painter.scale(1 / unitsPerMm, 1 / unitsPerMm);
    {
        FittedFonts ownFonts;
        QPainterSurface surface(painter, options.fonts ? *options.fonts : ownFonts);
        if (options.barcodeDotsPerInch)
            surface.setBarcodeDotsPerInch(options.barcodeDotsPerInch->width(),
                                          options.barcodeDotsPerInch->height());
        if (options.barcode)
            surface.keepBarcodeIn(*options.barcode);
        draw(surface);
    }
    painter.restore();
}

} // namespace

void PaintHub3a(DrawingSurface &surface, PrintMode mode, const Hub3aRecord &record)
{
    PaintHub3a(surface, mode, record, Hub3aBarcodeCell::Barcode);
}

void PaintHub3a(DrawingSurface &surface, PrintMode mode, const Hub3aRecord &record, Hub3aBarcodeCell cell)
{
    if (mode != PrintMode::DataOnly)
        Hub3aForm::draw(surface);
    if (mode == PrintMode::Template)
        return;
    // The data state of the slip forms; each block below names its own font.
    FormBlocks::beginData(surface, dataInk);
    surface.setFontCharset(centralEuropeanCharset);
    drawAddresses(surface, record);
    drawBoxedFields(surface, record);
    drawStub(surface, record);
    if (cell == Hub3aBarcodeCell::Refused)
        drawRefusedCell(surface);
    else if (const std::optional<QByteArray> payload = hub3aPayloadBytes(record);
             payload && cell == Hub3aBarcodeCell::Barcode)
        drawBarcode(surface, *payload);
}

void paintHub3aSlip(QPainter &painter, const QTransform &mmToPainter, PrintMode mode,
                    const Hub3aRecord &record, const Hub3aPaintOptions &options)
{
    drawOnPainter(painter, mmToPainter, options,
                  [&](DrawingSurface &surface) { PaintHub3a(surface, mode, record, options.barcodeCell); });
}

void paintHub3aBarcode(QPainter &painter, const QTransform &mmToPainter, const QByteArray &payload,
                       const Hub3aPaintOptions &options)
{
    drawOnPainter(painter, mmToPainter, options,
                  [&](DrawingSurface &surface) { drawBarcode(surface, payload); });
}
