#pragma once

#include "render/DrawingSurface.h"
#include "render/FormFrame.h"
#include "render/LayoutRows.h"
#include "render/LayoutStyle.h"

#include <QString>

#include <array>
#include <vector>

// What both forms share: the background, the caption and data fonts, the execution-method and
// code cells at the right edge with their captions, the amount box, and the place, date, codes
// and amount set into them. codeCellsTop is the top of a layout's code cells, amountTop of its
// amount box; the execution-method cell stands at the same height on both forms.
namespace FormBlocks {

// Pen solid, brush white, the whole frame filled; surface coordinates, not moved by the origin.
void fillBackground(DrawingSurface &surface, const FormFrame &frame);

// The amount box from M + X(23) to R, one box high.
void drawAmountBox(DrawingSurface &surface, const FormFrame &frame, int amountTop);

// With a 1-pixel pen: the execution-method cell, the middle and right code cells with their
// divider, and the left code cell a gap of X(2) further left.
void drawCodeCells(DrawingSurface &surface, const FormFrame &frame, int codeCellsTop);

// Font "Arial" regular, black, in the caption height of the units: the state every caption
// starts from. The brush is the layout's.
void beginCaptions(DrawingSurface &surface, const FormFrame &frame, const FontUnits &units);

// "način" and "izvrš." beside the execution-method cell, then "šifra" at codeCaptionY, left of
// the code cells.
std::array<SmallCaption, 3> codeCellCaptions(const FormFrame &frame, int codeCaptionY);

// Brush clear, font "Courier New" regular in the data colour: the state every data text needs.
void beginData(DrawingSurface &surface, Color color);

// The data texts of the shared blocks.
struct SharedTexts
{
    const QString &place, &date, &executionCode, &code1, &code2, &code3, &typedAmount;
};

// In drawing order: the place and date, centred on L + X(21) and L + X(65) at T + Y(75); the
// execution method and the codes third, second, first, each centred in its cell; the amount text
// of the typed amount (or its error marker), right-aligned against R - X(5) and centred in the
// amount box's height.
std::array<DataText, 7> sharedTexts(const FormFrame &frame, int codeCellsTop, int amountTop,
                                    const SharedTexts &texts);

// The same for a layout whose geometry and data name these blocks' positions and fields.
template <typename Geometry, typename Data>
std::array<DataText, 7> sharedTexts(const Geometry &geometry, const Data &data)
{
    return sharedTexts(
        geometry, geometry.codeCellsTop, geometry.amountTop,
        {data.place, data.date, data.executionCode, data.code1, data.code2, data.code3, data.amount});
}

// A layout over its geometry (a FormFrame with the layout's own positions): the steps that draw
// its form, and the table of its data texts with their colour in the style.
template <typename Geometry, typename Data> struct Layout
{
    void (*drawRules)(DrawingSurface &, const Geometry &);
    std::vector<DottedLine> (*writingLines)(const Geometry &);
    void (*drawCaptions)(DrawingSurface &, const Geometry &, const LayoutStyle &);
    Color LayoutStyle::*dataColor;
    std::vector<DataText> (*dataTexts)(const Geometry &, const Data &);
};

// The background, rules, writing lines and captions when the style draws the form; the data
// texts when it draws data.
template <typename Geometry, typename Data>
void paintLayout(DrawingSurface &surface, const Layout<Geometry, Data> &layout, const Geometry &geometry,
                 const LayoutStyle &style, const Data &data)
{
    if (style.drawForm) {
        fillBackground(surface, geometry);
        layout.drawRules(surface, geometry);
        drawDottedLines(surface, layout.writingLines(geometry));
        layout.drawCaptions(surface, geometry, style);
    }
    if (style.drawData) {
        beginData(surface, style.*layout.dataColor);
        drawDataTexts(surface, geometry, style.fontUnits, layout.dataTexts(geometry, data));
    }
}

} // namespace FormBlocks
