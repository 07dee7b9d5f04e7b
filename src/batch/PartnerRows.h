#pragma once

#include "batch/Hub3aTable.h"
#include "model/Hub3aParty.h"

#include <QStringList>

// Which party of the slip each partner entry fills.
using PartnerSide = Hub3aSide;

// A row for each partner entry, numbered from 1: the partner as side's name, street, place, IBAN,
// model and reference (a reference without a model keeps base's model, no reference leaves none),
// the rest from base. A partner's account that is no IBAN is a problem of its row; every problem
// names the partner ("Partner 3" when it has no name). Returns only baseMissing when it is not
// empty.
Hub3aTable partnerRows(const QStringList &entries, const Hub3aRecord &base, PartnerSide side,
                       const QList<Hub3aProblem> &baseMissing);
