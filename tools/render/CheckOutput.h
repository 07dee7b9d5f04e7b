#pragma once

#include "model/Hub3aRecord.h"
#include "model/SlipData.h"
#include "payments/PaymentFields.h"

#include <QByteArray>

// The payment checks of a slip record as JSON Lines: one object per account or reference that
// holds something, {"field", "value", "valid", "message", "iban"}. "valid" is null for a value
// the checks cannot judge (an account in neither the IBAN nor the 7-10 digit form). A HUB-3A slip
// also lists its recipient's name and its amount, and each field it cannot be paid without, empty,
// as invalid (checkHub3aSlip).
struct CheckOutput
{
    QByteArray lines;
    bool anyInvalid = false;

    static CheckOutput of(const SlipRecord &record);
    static CheckOutput of(const Hub3aRecord &record);
    static CheckOutput of(const QList<CheckedField> &fields);
};
