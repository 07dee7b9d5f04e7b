#pragma once

#include "payments/CheckResult.h"

#include <QString>

// Checks a payment reference under its model: the model exists, the reference has the elements,
// lengths and characters the model allows (22 characters at most, digits and "-"), and every
// check digit of the model is right. Empty model and reference: nothing to check.
CheckResult checkReference(const QString &model, const QString &reference);
