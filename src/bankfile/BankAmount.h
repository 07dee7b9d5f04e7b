#pragma once

#include <QString>

#include <optional>

// An amount as the bank files write and the bank's answers give it: whole euros, a decimal point
// and the cents, no thousands separator ("1234.56").

// cents as the bank file writes them: 123456 -> "1234.56".
QString bankAmountText(qint64 cents);

// The cents of such a text; up to five decimals are read as long as the places past the cents are
// zeros ("62.3500"). Nothing for any other text.
std::optional<qint64> bankAmountCents(const QString &text);
