#pragma once

#include <QString>

// The text without the characters that Windows-1250 cannot hold. Entry controls keep only these,
// so what is saved or printed is what the user sees.
QString encodableOnly(const QString &text);
