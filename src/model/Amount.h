#pragma once

#include <QString>

#include <optional>

// The amount of a form is free text; only the pictures interpret it. Conversions use the decimal
// separator "," and thousands separator "." of the process, passed explicitly here, so nothing
// global changes and every parse leaves them as they were.

// The value of an amount text, or nothing when the text has digits but is not a number.
// A text without any digit is the amount 0.
std::optional<double> ParseAmount(const QString &text);

// The value with two decimals written the Croatian way ("1.234,56"), or in scientific form
// ("1E18", "1,5E20") from 10^18 on.
QString FormatAmount(double value);

// What an amount box shows: FormatAmount(ParseAmount(text)) or the marker "POGREŠAN UNOS!!!".
QString AmountText(const QString &text);

QString amountErrorMarker();
