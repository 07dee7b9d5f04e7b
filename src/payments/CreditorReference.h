#pragma once

#include "payments/CheckResult.h"

#include <QString>

// Checks an ISO 11649 creditor reference: "RF", two check digits (ISO 7064 MOD 97-10, as an
// IBAN's) and 1 to 21 letters or digits; spaces may stand between groups, small letters count as
// capitals. A valid reference's message gives it compact ("RF18539007547034").
CheckResult checkCreditorReference(const QString &text);
