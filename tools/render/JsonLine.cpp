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

QByteArray jsonLine(std::span<const char *const> keys, const QStringList &texts)
{
    QByteArray line = "{";
    for (size_t i = 0; i < keys.size() && i < size_t(texts.size()); ++i) {
        if (line.size() > 1)
            line += ',';
        line += '"' + QByteArray(keys[i]) + "\":" + jsonText(texts[qsizetype(i)]);
    }
    return line + "}\n";
}
