#include "JsonLine.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// One JSON value as text, escaped as JSON escapes it.
QByteArray jsonText(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

QByteArray jsonLine(std::initializer_list<std::pair<const char *, QJsonValue>> members)
{
    QByteArray line = "{";
    for (const auto &[key, value] : members) {
        if (line.size() > 1)
            line += ',';
        line += '"' + QByteArray(key) + "\":" + jsonText(value);
    }
    return line + "}\n";
}
