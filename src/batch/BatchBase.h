#pragma once

#include "model/Hub3aRecord.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// What a batch takes from a slip of the fields its rows do not give (the HUB-3A tab's slip in the
// window, a --base slip file on the command line).

// The payer's fields (name first, then street, place, IBAN, model, reference) and the recipient's.
const QList<Hub3aField> &hub3aPayerFields();
const QList<Hub3aField> &hub3aRecipientFields();

// base as the rows that give the fields of columns take it: a party's fields come from one source,
// so a party whose name is a column (the rows name their own payer or recipient) takes none of its
// fields from base: no other person's account or reference.
Hub3aRecord baseForColumns(Hub3aRecord base, const QList<Hub3aField> &columns);

// The fields whose text the rows take from base (baseForColumns), in the order of the fields.
QList<Hub3aField> fieldsFromBase(const Hub3aRecord &base, const QList<Hub3aField> &columns);

// The fields as the clerk reads them, joined with commas ("naziv primatelja, IBAN primatelja").
QString hub3aFieldLabels(const QList<Hub3aField> &fields);

// Why a slip cannot be paid on its execution date (DDMMYYYY) with today being today: the date is
// past. Empty for a date not past, an empty date (the bank takes the day it receives the order) or
// an invalid today.
QString pastExecutionDateProblem(const QString &date, const QDate &today);
