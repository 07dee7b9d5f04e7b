#pragma once

#include "model/Hub3aRecord.h"
#include "payments/PaymentFields.h"

#include <QList>

// Checks the accounts and references of a HUB-3A slip, empty ones included: the payer's and the
// recipient's IBAN, and each reference under its model ("HR01").
QList<CheckedField> checkHub3aRecord(const Hub3aRecord &record);
