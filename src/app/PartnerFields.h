#pragma once

#include "model/FormField.h"

#include <QString>

class SlipFieldAccess;

// Whose fields a partner goes to when picked from the list, or comes from when added to it.
// The HUB-3A recipient takes a partner its own way (Hub3aPartner.h), not through these functions.
enum class PickTarget {
    UplatnicaPayer = 1,
    UplatnicaRecipient = 2,
    ZorvatPayer = 3,
    ZorvatRecipient = 4,
    Hub3aRecipient = 5
};

// Takes a partner entry into the target's fields: the name, the account, and the reference divided at
// its first space into model box and number. A reference without a space goes whole to the number
// and the model box keeps its text; the payment slip's payer takes the name only.
void takePartner(SlipFieldAccess &fields, PickTarget target, const QString &entry);

// The partner entry made of the target's name, account, model and number fields.
QString partnerFromFields(const SlipFieldAccess &fields, PickTarget target);

// The field holding the target's name.
FormField partnerNameField(PickTarget target);
