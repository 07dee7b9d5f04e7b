#include "LayoutReplay.h"

#include "render/FittedFonts.h"
#include "render/PaintUplatnica.h"
#include "render/PaintZorvat.h"
#include "render/RecordingSurface.h"

#include <QPainter>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const FormFrame frame = FormFrame::preview(610, 350);

UplatnicaData fullUplatnica()
{
    SlipTexts t = {u"10000"_s,
                   u"Ivan Horvat\r\nIlica 1, Zagreb"_s,
                   u"Uplata članarine za 2002. godinu"_s,
                   u"Hrvatsko društvo čitača\r\nTrg žrtava fašizma 5"_s,
                   u"Zagreb"_s,
                   u"15.03.2002."_s,
                   u"  1"_s,
                   u" 12"_s,
                   u"345"_s,
                   u"  6"_s,
                   u"1234,5"_s,
                   u"2360000-1101234567"_s,
                   u" 01"_s,
                   u"12345-678"_s};
    return UplatnicaData::fromTexts(t);
}

ZorvatData fullZorvat()
{
    SlipTexts t = {u"Đuro Šimić d.o.o.\r\nVukovarska 12\r\n21000 Split"_s,
                   u"Plaćanje računa br. 2002-0315"_s,
                   u"Čistoća d.o.o.\r\nUlica grada Vukovara 41\r\n10000 Zagreb"_s,
                   u"2330003-1100012345"_s,
                   u" 01"_s,
                   u"2002-0315"_s,
                   u"  1"_s,
                   u"1234567,89"_s,
                   u"2360000-1101234567"_s,
                   u" 05"_s,
                   u"123456789012345"_s,
                   u" 10"_s,
                   u" 20"_s,
                   u"  3"_s};
    return ZorvatData::fromTexts(t, u"Zagreb"_s, u"15.03.2002."_s);
}

// One recorded operation resolved to what QPainter needs.
struct Line
{
    QPen pen;
    QLine line;
};
struct Box
{
    QPen pen;
    QRect outline;
    std::optional<QColor> fill;
    QRect area;
};
struct Fill
{
    QRect area;
    QColor color;
};
struct Text
{
    QFont font;
    QColor color;
    QPointF baseline;
    QString text;
    std::optional<QRect> clip;
    std::optional<QColor> fill;
    QRect fillArea;
};
using Command = std::variant<Line, Box, Fill, Text>;

QPen penOf(const PenState &state)
{
    QPen pen(QColor::fromRgb(state.color), state.width);
    pen.setCapStyle(Qt::FlatCap);
    if (state.style == PenStyle::psDot)
        pen.setDashPattern({1.0, 1.0});
    return pen;
}

std::vector<Command> resolve(const Layout &layout)
{
    RecordingSurface recording;
    layout(recording);
    FittedFonts fonts;
    std::vector<Command> commands;
    QPoint position;
    for (const RecordedOp &op : recording.ops()) {
        const bool solid = op.state.brush.style == BrushStyle::bsSolid;
        const QColor brush = QColor::fromRgb(op.state.brush.color & 0xFFFFFF);
        const QRect area(op.x1, op.y1, op.x2 - op.x1, op.y2 - op.y1);
        switch (op.kind) {
        case OpKind::MoveTo:
            position = QPoint(op.x, op.y);
            break;
        case OpKind::LineTo:
            commands.emplace_back(Line{penOf(op.state.pen), QLine(position, QPoint(op.x, op.y))});
            position = QPoint(op.x, op.y);
            break;
        case OpKind::Rectangle:
            commands.emplace_back(Box{penOf(op.state.pen), area.adjusted(0, 0, -1, -1),
                                      solid ? std::optional(brush) : std::nullopt, area});
            break;
        case OpKind::FillRect:
            commands.emplace_back(Fill{area, brush});
            break;
        case OpKind::Barcode: // the two forms replayed here draw none
            break;
        case OpKind::TextOut:
        case OpKind::TextRect: {
            const FittedFont &font = fonts.fitted(op.state.font);
            const bool clipped = op.kind == OpKind::TextRect;
            commands.emplace_back(Text{
                font.font, QColor::fromRgb(op.state.font.color), QPointF(op.x, op.y + font.baseline), op.text,
                clipped ? std::optional(area) : std::nullopt, solid ? std::optional(brush) : std::nullopt,
                clipped ? area : QRect(op.x, op.y, op.tw, op.state.font.height)});
            break;
        }
        }
    }
    return commands;
}

void replay(QPainter &painter, const std::vector<Command> &commands)
{
    for (const Command &command : commands) {
        if (const auto *line = std::get_if<Line>(&command)) {
            painter.setPen(line->pen);
            painter.drawLine(line->line);
        } else if (const auto *box = std::get_if<Box>(&command)) {
            if (box->fill)
                painter.fillRect(box->area, *box->fill);
            painter.setPen(box->pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box->outline);
        } else if (const auto *fill = std::get_if<Fill>(&command)) {
            painter.fillRect(fill->area, fill->color);
        } else if (const auto *text = std::get_if<Text>(&command)) {
            if (text->fill)
                painter.fillRect(text->fillArea, *text->fill);
            if (text->text.isEmpty())
                continue;
            if (text->clip) {
                painter.save();
                painter.setClipRect(*text->clip);
            }
            painter.setFont(text->font);
            painter.setPen(text->color);
            painter.drawText(text->baseline, text->text);
            if (text->clip)
                painter.restore();
        }
    }
}

} // namespace

Layout uplatnicaLayout()
{
    return [data = fullUplatnica()](DrawingSurface &s) {
        PaintUplatnica(s, frame, LayoutStyle::preview(), data);
    };
}

Layout zorvatLayout()
{
    return [data = fullZorvat()](DrawingSurface &s) { PaintZorvat(s, frame, LayoutStyle::preview(), data); };
}

Replay resolvedReplay(const Layout &layout)
{
    return [commands = std::make_shared<const std::vector<Command>>(resolve(layout))](QPainter &painter) {
        replay(painter, *commands);
    };
}
