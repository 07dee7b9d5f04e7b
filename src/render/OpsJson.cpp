#include "render/OpsJson.h"

#include <QJsonDocument>

namespace {

QString colorText(Color color)
{
    if (color == clNone)
        return QStringLiteral("none");
    return QStringLiteral("#%1").arg(color & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

QString opName(OpKind kind)
{
    switch (kind) {
    case OpKind::MoveTo:
        return QStringLiteral("MoveTo");
    case OpKind::LineTo:
        return QStringLiteral("LineTo");
    case OpKind::Rectangle:
        return QStringLiteral("Rectangle");
    case OpKind::FillRect:
        return QStringLiteral("FillRect");
    case OpKind::TextOut:
        return QStringLiteral("TextOut");
    case OpKind::TextRect:
        return QStringLiteral("TextRect");
    case OpKind::Barcode:
        return QStringLiteral("Barcode");
    }
    return QString();
}

void addPen(QJsonObject &json, const PenState &pen)
{
    json[QLatin1StringView("pen")] =
        pen.style == PenStyle::psDot ? QStringLiteral("dot") : QStringLiteral("solid");
    json[QLatin1StringView("width")] = pen.width;
    json[QLatin1StringView("penColor")] = colorText(pen.color);
}

void addBrush(QJsonObject &json, const BrushState &brush)
{
    json[QLatin1StringView("brush")] =
        brush.style == BrushStyle::bsClear ? QStringLiteral("clear") : QStringLiteral("solid");
    json[QLatin1StringView("brushColor")] = colorText(brush.color);
}

void addRect(QJsonObject &json, const RecordedOp &op)
{
    json[QLatin1StringView("x1")] = op.x1;
    json[QLatin1StringView("y1")] = op.y1;
    json[QLatin1StringView("x2")] = op.x2;
    json[QLatin1StringView("y2")] = op.y2;
}

void addText(QJsonObject &json, const RecordedOp &op)
{
    const FontState &font = op.state.font;
    json[QLatin1StringView("x")] = op.x;
    json[QLatin1StringView("y")] = op.y;
    json[QLatin1StringView("text")] = op.text;
    json[QLatin1StringView("font")] = font.name;
    json[QLatin1StringView("height")] = font.height;
    json[QLatin1StringView("bold")] = font.bold;
    json[QLatin1StringView("color")] = colorText(font.color);
    json[QLatin1StringView("charset")] = font.charset;
    if (font.orientation != 0)
        json[QLatin1StringView("orientation")] = font.orientation;
    json[QLatin1StringView("tw")] = op.tw;
    addBrush(json, op.state.brush);
}

} // namespace

namespace OpsJson {

QJsonObject toJson(const RecordedOp &op)
{
    QJsonObject json;
    json[QLatin1StringView("op")] = opName(op.kind);
    switch (op.kind) {
    case OpKind::MoveTo:
        json[QLatin1StringView("x")] = op.x;
        json[QLatin1StringView("y")] = op.y;
        break;
    case OpKind::LineTo:
        json[QLatin1StringView("x")] = op.x;
        json[QLatin1StringView("y")] = op.y;
        addPen(json, op.state.pen);
        break;
    case OpKind::Rectangle:
    case OpKind::FillRect:
        addRect(json, op);
        addPen(json, op.state.pen);
        addBrush(json, op.state.brush);
        break;
    case OpKind::TextRect:
        addRect(json, op);
        addText(json, op);
        break;
    case OpKind::TextOut:
        addText(json, op);
        break;
    case OpKind::Barcode:
        addRect(json, op);
        json[QLatin1StringView("payload")] = QString::fromUtf8(op.payload);
        json[QLatin1StringView("penColor")] = colorText(op.state.pen.color);
        break;
    }
    return json;
}

QByteArray toJsonLines(const std::vector<RecordedOp> &ops)
{
    QByteArray bytes;
    for (const RecordedOp &op : ops)
        bytes += QJsonDocument(toJson(op)).toJson(QJsonDocument::Compact) + '\n';
    return bytes;
}

} // namespace OpsJson
