#include "render/FormBlocks.h"

#include "model/Amount.h"

using namespace Qt::StringLiterals;
constexpr auto half = FormFrame::half;

namespace FormBlocks {
namespace {

int methodCellTop(const FormFrame &frame)
{
    return frame.originY + frame.Y(20);
}

// The gap between the left code cell and the middle one.
int codeGap(const FormFrame &frame)
{
    return frame.X(2);
}

} // namespace

void fillBackground(DrawingSurface &surface, const FormFrame &frame)
{
    surface.setPenStyle(PenStyle::psSolid);
    surface.setBrushColor(clWhite);
    surface.FillRect(0, 0, frame.width, frame.height);
}

void drawAmountBox(DrawingSurface &surface, const FormFrame &frame, int amountTop)
{
    const int left = frame.M() + frame.X(23);
    surface.Rectangle(left, amountTop, frame.R(), amountTop + frame.boxHeight());
}

void drawCodeCells(DrawingSurface &surface, const FormFrame &frame, int codeCellsTop)
{
    const int R = frame.R(), cellWidth = frame.cellWidth(), boxHeight = frame.boxHeight(),
              gap = codeGap(frame);
    const int methodTop = methodCellTop(frame), codesBottom = codeCellsTop + boxHeight;
    surface.setPenWidth(1);
    surface.Rectangle(R - cellWidth, methodTop, R, methodTop + boxHeight);
    surface.Rectangle(R - 2 * cellWidth, codeCellsTop, R, codesBottom);
    surface.MoveTo(R - cellWidth, codeCellsTop);
    surface.LineTo(R - cellWidth, codesBottom);
    surface.Rectangle(R - 3 * cellWidth - gap, codeCellsTop, R - 2 * cellWidth - gap, codesBottom);
}

void beginCaptions(DrawingSurface &surface, const FormFrame &frame, const FontUnits &units)
{
    surface.setFontColor(clBlack);
    surface.setFontBold(false);
    surface.setFontName(u"Arial"_s);
    surface.setFontHeight(frame.Y(units.caption));
}

std::array<SmallCaption, 3> codeCellCaptions(const FormFrame &frame, int codeCaptionY)
{
    const int R = frame.R(), T = frame.T();
    return {SmallCaption::at(u"način"_s, R - frame.X(15), T + frame.Y(12)),
            SmallCaption::at(u"izvrš."_s, R - frame.X(15), T + frame.Y(15)),
            SmallCaption::at(u"šifra"_s, R - frame.X(33), codeCaptionY)};
}

void beginData(DrawingSurface &surface, Color color)
{
    surface.setBrushStyle(BrushStyle::bsClear);
    surface.setFontName(u"Courier New"_s);
    surface.setFontBold(false);
    surface.setFontColor(color);
}

std::array<DataText, 7> sharedTexts(const FormFrame &frame, int codeCellsTop, int amountTop,
                                    const SharedTexts &texts)
{
    const int L = frame.L(), R = frame.R(), T = frame.T();
    const int cellWidth = frame.cellWidth(), boxHeight = frame.boxHeight();
    // The two right-hand code texts centre on R - half(cellWidth) and one cell further left, the
    // left one in its own cell.
    const int lastCellMiddle = R - half(cellWidth);
    const int firstCellLeft = R - 3 * cellWidth - codeGap(frame);
    constexpr auto text = &FontUnits::text;
    constexpr auto Centre = Alignment::Centre;
    return {{
        {texts.place, text, {L + frame.X(21), T + frame.Y(75)}, Alignment::TopCentre},
        {texts.date, text, {L + frame.X(65), T + frame.Y(75)}, Alignment::TopCentre},
        {texts.executionCode, text, {lastCellMiddle, methodCellTop(frame), 0, boxHeight}, Centre},
        {texts.code3, text, {lastCellMiddle, codeCellsTop, 0, boxHeight}, Centre},
        {texts.code2, text, {lastCellMiddle - cellWidth, codeCellsTop, 0, boxHeight}, Centre},
        {texts.code1, text, {firstCellLeft, codeCellsTop, cellWidth, boxHeight}, Centre},
        {AmountText(texts.typedAmount),
         &FontUnits::amount,
         {R - frame.X(5), amountTop, 0, boxHeight},
         Alignment::MiddleRight},
    }};
}

} // namespace FormBlocks
