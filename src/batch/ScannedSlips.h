#pragma once

#include "batch/Hub3aTable.h"
#include "scan/ScannedSlip.h"

// What the window and the tool do with the slips read from invoices, apart from any widget.
namespace ScannedSlips {

// A scanned slip on the HUB-3A tab: its fields, and the tab's payer where the barcode leaves the
// payer's fields empty (an EPC code always does).
Hub3aRecord onTab(const Hub3aRecord &scanned, const Hub3aRecord &tab);

// True when the tab holds a slip of its own: a field beyond the payer's, which the stored defaults
// fill, is not empty. Replacing it asks first.
bool tabHoldsSlip(const Hub3aRecord &tab);

// The slips as a batch table, the tab's payer in their empty payer fields: the rows that pass the
// checks and are not held, and the others' problems named by file and page.
Hub3aTable asTable(const QList<ScannedSlip> &slips, const Hub3aRecord &tab);

// The slips as the batch table's CSV, their fields as read (the table's base fills the rest).
QByteArray tableCsv(const QList<ScannedSlip> &slips);

// "račun.pdf, str. 2"; an e-invoice's file alone
QString placeText(const ScannedSlip &slip);
// "Ukupno 3 naloga: 1.234,56 EUR"
QString totalText(const QList<ScannedSlip> &slips);

} // namespace ScannedSlips
