#pragma once

#include "payments/CheckResult.h"

#include <QString>

// Checks an IBAN (ISO 13616): two letters, two check digits, the rest letters or digits; spaces
// may stand between groups. A Croatian IBAN has 21 characters, one of another country of the SEPA
// scheme that country's length (DE 22, AT 20), any other 15 to 34.
CheckResult checkIban(const QString &text);

// The IBAN of a Croatian bank code and account number (7 + 10 digits).
QString ibanFromBban(const QString &bban);

// An IBAN in groups of four: "HR12 1001 0051 8630 0016 0".
QString groupIban(const QString &iban);

// The IBAN without spaces, letters upper case.
QString compactIban(const QString &text);
