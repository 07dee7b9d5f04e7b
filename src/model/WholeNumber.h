#pragma once

#include <QString>

// Converts user text to a 32-bit whole number: leading blanks skipped, then an optional sign and
// decimal digits, or hexadecimal digits after "$", "x" or "0x". Anything else throws UserError
// "'<text>' is not a valid integer value".
qint32 StrToInt(const QString &text);
