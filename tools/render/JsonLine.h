#pragma once

#include <QByteArray>
#include <QJsonValue>

#include <QStringList>

#include <initializer_list>
#include <span>
#include <utility>

// One JSON object on a line, its keys in the order given (which a QJsonObject would sort), ending
// in LF.
QByteArray jsonLine(std::initializer_list<std::pair<const char *, QJsonValue>> members);
// The same of keys and their texts side by side, for rows that are also a table's.
QByteArray jsonLine(std::span<const char *const> keys, const QStringList &texts);
