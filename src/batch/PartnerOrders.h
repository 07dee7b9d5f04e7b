#pragma once

#include "batch/Hub3aTable.h"

#include <QStringList>

// A bank order for each partner entry, the partner as the recipient, paid by base's payer (the
// HUB-3A tab) with base's amount, description and the rest: the name's lines give the recipient's
// name, street and place; an account that is an IBAN, or an old 7+10 digit account, the recipient's
// IBAN; a reference "HR01 1234-5" the recipient's model and reference, one without a model base's.
// Rows are numbered from 1 in the order of entries; a partner whose texts do not fit, or whose
// order cannot be paid, is a problem of its row, named by the partner's name. baseMissing lists
// the amount when base has none.
Hub3aTable partnerOrders(const QStringList &entries, const Hub3aRecord &base);
