#include "render/Hub3aForm.h"

#include "render/TextPlacement.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace Hub3aForm {
namespace {

constexpr Color tint10 = 0xFEEAE0, tint20 = 0xFCD6C3, tint45 = 0xF8A584, tint50 = 0xF89C79, tint70 = 0xF5744F;
constexpr int onePoint = 35, halfPoint = 18, hairline = 6;

struct Fill
{
    double x0, y0, x1, y1;
    Color color;
};

constexpr Fill fills[] = {
    {48.90, 4.28, 147.81, 10.07, tint50},   // header band "Hitno / Valuta plaćanja / Iznos"
    {48.91, 10.13, 148.00, 55.08, tint10},  // middle panel
    {5.37, 24.25, 59.21, 30.08, tint10},    // left part of the recipient IBAN row
    {152.33, 10.27, 207.65, 55.03, tint10}, // stub panel
    {152.18, 4.22, 207.76, 10.10, tint45},  // stub header band
};

struct Rule
{
    double x0, y0, x1, y1;
    int width;
};

constexpr Rule rules[] = {
    {48.90, 10.18, 147.79, 10.18, onePoint},   {48.73, 4.04, 48.73, 24.25, onePoint},
    {48.73, 30.17, 48.73, 55.20, onePoint},    {5.00, 24.18, 147.75, 24.18, onePoint},
    {5.00, 30.18, 147.75, 30.18, onePoint},    {48.90, 16.09, 147.75, 16.09, halfPoint},
    {48.88, 38.09, 147.75, 38.09, halfPoint},  {5.00, 55.18, 147.81, 55.18, onePoint},
    {64.00, 55.30, 64.00, 82.10, halfPoint},   {107.00, 55.00, 107.00, 82.10, halfPoint},
    {82.50, 43.09, 146.91, 43.09, halfPoint},  {82.50, 47.09, 146.91, 47.09, halfPoint},
    {82.50, 51.09, 146.91, 51.09, halfPoint},  {152.00, 16.09, 208.00, 16.09, halfPoint},
    {152.00, 24.09, 208.00, 24.09, halfPoint}, {152.00, 30.09, 208.00, 30.09, halfPoint},
    {152.00, 38.09, 208.00, 38.09, halfPoint}, {152.00, 55.18, 208.00, 55.18, onePoint},
};

struct Frame
{
    double x0, y0, x1, y1;
};

constexpr Frame frames[] = {{5.18, 4.18, 147.81, 81.92}, {152.18, 4.18, 207.82, 81.92}};

// The ticks between a box's cells, one letter per inner border: s short, f full height, d the
// amount's decimal separator, h a pair of hairlines, m the model's middle tick, t a tall date tick.
struct TickedBox
{
    CellBox box;
    const char *ticks;
};

constexpr TickedBox boxes[] = {
    {urgentBox, ""},
    {currencyBox, "ss"},
    {amountBox, "fssfssfssfssds"},
    {payerIbanBox, "ssshssshssshssshsssh"},
    {payerModelBox, "sms"},
    {payerReferenceBox, "sssssssssssssssssssss"},
    {recipientIbanBox, "ssshssshssshssshsssh"},
    {recipientModelBox, "sms"},
    {recipientReferenceBox, "sssssssssssssssssssss"},
    {purposeBox, "sss"},
    {dateBox, "ststsss"},
    {{82.59, 39.09, 146.91, 55.09, 1}, ""},  // Opis plaćanja
    {{153.09, 5.18, 206.91, 10.00, 1}, ""},  // stub: Valuta i iznos
    {{153.09, 11.25, 206.91, 16.07, 1}, ""}, // stub: IBAN (račun) platitelja ili Platitelj
    {{153.09, 19.26, 206.91, 24.08, 1}, ""}, // stub: Model i poziv na broj platitelja
    {{153.09, 25.26, 206.91, 30.09, 1}, ""}, // stub: IBAN (račun) primatelja
    {{153.09, 33.26, 206.91, 38.08, 1}, ""}, // stub: Model i poziv na broj primatelja
    {{153.09, 39.44, 206.91, 55.26, 1}, ""}, // stub: Opis plaćanja
};

// The 20 % shading of the IBAN boxes: cells 5-8, 13-16 and 21.
constexpr int ibanShadedCells[][2] = {{4, 8}, {12, 16}, {20, 21}};

struct Caption
{
    const char16_t *text;
    double x, baseline;
    bool bold;
};

constexpr Caption captions[] = {
    {u"PLATITELJ", 6.00, 6.92, true},
    {u" (naziv/ime i adresa):", 17.29, 6.92, false},
    {u"PRIMATELJ", 6.00, 33.12, true},
    {u" (naziv/ime i adresa):", 18.00, 33.12, false},
    {u"Hitno:", 52.21, 8.01, false},
    {u"Valuta", 65.59, 6.82, false},
    {u"plaćanja:", 65.59, 8.94, false},
    {u"Iznos:", 88.44, 8.01, false},
    {u"IBAN ili broj računa", 52.21, 12.54, false},
    {u"platitelja:", 52.21, 15.08, false},
    {u"Model:", 52.19, 18.49, false},
    {u"Poziv na broj platitelja:", 72.56, 18.49, false},
    {u"IBAN ili broj računa", 52.21, 26.54, false},
    {u"primatelja:", 52.21, 29.08, false},
    {u"Model:", 52.21, 32.52, false},
    {u"Poziv na broj primatelja:", 72.50, 32.56, false},
    {u"Šifra namjene:", 52.21, 41.54, false},
    {u"Opis", 72.67, 41.54, false},
    {u"plaćanja:", 72.67, 44.08, false},
    {u"Datum izvršenja:", 52.21, 49.64, false},
    {u"Pečat korisnika PU", 64.98, 58.04, false},
    {u"Potpis korisnika PU", 108.04, 58.04, false},
    {u"Valuta i iznos:", 154.00, 6.99, true},
    {u"IBAN (račun) platitelja ili Platitelj:", 154.03, 13.03, false},
    {u"Model i poziv na broj platitelja:", 154.00, 21.03, false},
    {u"IBAN (račun) primatelja:", 154.00, 27.03, false},
    {u"Model i poziv na broj primatelja:", 154.00, 34.98, false},
    {u"Opis plaćanja:", 154.00, 41.23, false},
    {u"Ovjera", 154.00, 58.04, false},
};

void line(DrawingSurface &surface, double x0, double y0, double x1, double y1)
{
    surface.MoveTo(units(x0), units(y0));
    surface.LineTo(units(x1), units(y1));
}

void drawFills(DrawingSurface &surface)
{
    surface.setBrushStyle(BrushStyle::bsSolid);
    for (const Fill &fill : fills) {
        surface.setBrushColor(fill.color);
        surface.FillRect(units(fill.x0), units(fill.y0), units(fill.x1), units(fill.y1));
    }
}

void drawTick(DrawingSurface &surface, const CellBox &box, double x, char kind)
{
    constexpr double shortTick = 2.54, dateTick = 4.64, hairlineGap = 0.06;
    surface.setPenColor(tint50);
    surface.setPenWidth(halfPoint);
    switch (kind) {
    case 's':
        line(surface, x, box.y1 - shortTick, x, box.y1);
        break;
    case 't':
        line(surface, x, box.y1 - dateTick, x, box.y1);
        break;
    case 'f':
        line(surface, x, box.y0, x, box.y1);
        break;
    case 'd':
        surface.setPenColor(ink);
        surface.setPenWidth(onePoint);
        line(surface, x, box.y0, x, box.y1);
        break;
    case 'm':
        surface.setPenColor(tint70);
        surface.setPenWidth(onePoint);
        line(surface, x, box.y1 - shortTick, x, box.y1);
        break;
    case 'h':
        surface.setPenColor(ink);
        surface.setPenWidth(hairline);
        line(surface, x - hairlineGap, box.y0, x - hairlineGap, box.y1);
        line(surface, x + hairlineGap, box.y0, x + hairlineGap, box.y1);
        break;
    }
}

void drawBoxes(DrawingSurface &surface)
{
    for (const TickedBox &ticked : boxes) {
        const CellBox &box = ticked.box;
        surface.setBrushStyle(BrushStyle::bsSolid);
        surface.setBrushColor(clWhite);
        surface.setPenStyle(PenStyle::psSolid);
        surface.setPenColor(ink);
        surface.setPenWidth(halfPoint);
        surface.Rectangle(units(box.x0), units(box.y0), units(box.x1), units(box.y1));
        if (box.cells == 21) {
            surface.setBrushColor(tint20);
            for (const auto &[first, end] : ibanShadedCells)
                surface.FillRect(units(box.x0 + first * box.pitch()), units(box.y0) + halfPoint / 2,
                                 units(box.x0 + end * box.pitch()), units(box.y1) - halfPoint / 2);
        }
        for (int i = 0; ticked.ticks[i] != '\0'; ++i)
            drawTick(surface, box, box.x0 + (i + 1) * box.pitch(), ticked.ticks[i]);
    }
}

void drawRules(DrawingSurface &surface)
{
    surface.setPenStyle(PenStyle::psSolid);
    surface.setPenColor(ink);
    for (const Rule &rule : rules) {
        surface.setPenWidth(rule.width);
        line(surface, rule.x0, rule.y0, rule.x1, rule.y1);
    }
    surface.setPenWidth(onePoint);
    for (const Frame &frame : frames) {
        line(surface, frame.x0, frame.y0, frame.x1, frame.y0);
        line(surface, frame.x1, frame.y0, frame.x1, frame.y1);
        line(surface, frame.x1, frame.y1, frame.x0, frame.y1);
        line(surface, frame.x0, frame.y1, frame.x0, frame.y0);
    }
}

void drawCaptions(DrawingSurface &surface)
{
    surface.setBrushStyle(BrushStyle::bsClear);
    surface.setFontName(u"Arial"_s);
    surface.setFontColor(ink);
    surface.setFontCharset(centralEuropeanCharset);
    surface.setFontHeight(titleHeight);
    surface.setFontBold(true);
    const QString title = u"NALOG ZA NACIONALNA PLAĆANJA"_s;
    // The title ends at the right edge of the order part.
    textAtBaseline(surface, TextPlacement::rightAgainst(units(148.00), surface.TextWidth(title)), units(3.57),
                   title, sansAscent);
    surface.setFontHeight(captionHeight);
    for (const Caption &caption : captions) {
        surface.setFontBold(caption.bold);
        textAtBaseline(surface, units(caption.x), units(caption.baseline), QString::fromUtf16(caption.text),
                       sansAscent);
    }
    // The form's name runs upward along the left edge, its baseline at x 4.00 mm, from y 82.06 mm.
    surface.setFontBold(true);
    surface.setFontOrientation(900);
    surface.TextOut(units(4.00) - static_cast<int>(std::lround(sansAscent * captionHeight)), units(82.06),
                    u"Obr. HUB 3A"_s);
    surface.setFontOrientation(0);
}

void drawPerforation(DrawingSurface &surface)
{
    // Dots as long as the pen is wide: 0.18 mm, visible at preview sizes and in print.
    surface.setPenStyle(PenStyle::psDot);
    surface.setPenWidth(halfPoint);
    surface.setPenColor(clBlack);
    line(surface, 150.00, 0.44, 150.00, 98.74);
    surface.setPenStyle(PenStyle::psSolid);
}

} // namespace

void textAtBaseline(DrawingSurface &surface, int x, int baseline, const QString &text, double ascent)
{
    surface.TextOut(x, baseline - static_cast<int>(std::lround(ascent * surface.state().font.height)), text);
}

void draw(DrawingSurface &surface)
{
    drawFills(surface);
    drawBoxes(surface);
    drawRules(surface);
    drawCaptions(surface);
    drawPerforation(surface);
}

} // namespace Hub3aForm
