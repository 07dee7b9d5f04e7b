#pragma once

#include "batch/Hub3aTable.h"

#include <QStringList>

// A slip for each partner entry, the partner as the payer and everything else from base: the
// name's lines give the payer's name, street and place (lines past the third join the place, a
// one-line name longer than the payer's name splits at its commas); an
// account that is an IBAN, or an old 7+10 digit account, the payer's IBAN; a reference
// "HR01 1234-5" (or " 01 1234-5") the payer's model and reference, one without a model base's. Rows are
// numbered from 1 in the order of entries; a partner whose texts do not fit the slip, or whose slip
// cannot be paid, is a problem of its row, named by the partner's name.
Hub3aTable partnerSlips(const QStringList &entries, const Hub3aRecord &base);
