#pragma once

#include <QString>

// The text without the characters that Windows-1250 cannot hold. Entry controls keep only these,
// so what is saved or printed is what the user sees.
QString encodableOnly(const QString &text);

// encodableOnly, and without control characters other than the line breaks CR and LF: a partner
// entry's separator 08, the file's 0B, NUL and the like would split the entry or cut its file short.
QString encodableWithoutControls(const QString &text);
