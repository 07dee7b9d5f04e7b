#pragma once

#include "payments/CheckResult.h"

#include <QString>

// Checks the text of an account field: an IBAN, or an account in the old form of a 7-digit bank
// code, "-" and a 10-digit account number, each ending in its ISO 7064 MOD 11,10 check digit. A
// valid old-form account carries its IBAN. Any other form cannot be checked.
CheckResult checkAccount(const QString &text);
