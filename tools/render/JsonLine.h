#pragma once

#include <QByteArray>
#include <QJsonValue>

#include <initializer_list>
#include <utility>

// One JSON object on a line, its keys in the order given (which a QJsonObject would sort), ending
// in LF.
QByteArray jsonLine(std::initializer_list<std::pair<const char *, QJsonValue>> members);
