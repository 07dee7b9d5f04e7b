#pragma once

#include <QByteArray>
#include <QString>

// The program's single-byte text encoding for files: Windows-1250 (Central European).
namespace Win1250 {

QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);

// True when every character of text has a byte in Windows-1250.
bool canEncode(const QString &text);
bool canEncode(QChar ch);

} // namespace Win1250
