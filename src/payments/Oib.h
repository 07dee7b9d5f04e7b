#pragma once

#include "payments/CheckResult.h"

#include <QString>

// Checks an OIB: 11 digits, the last an ISO 7064 MOD 11,10 check digit.
CheckResult checkOib(const QString &text);
