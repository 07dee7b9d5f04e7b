#pragma once

#include "model/SlipFields.h"

#include <QLatin1StringView>

// The one table from the main window's entry controls to the slip fields they hold: each field's
// control by object name ("Memo1" holds the payment slip's payer).

// The control holding the field at index in its kind's canonical order.
QLatin1StringView controlOf(SlipKind kind, int fieldIndex);
// The control holding the field of that name ("payer", "amount", ...).
QLatin1StringView controlOf(SlipKind kind, QLatin1StringView field);
// The index of the field a control holds, or -1 when it holds none of this kind.
int fieldIndexOfControl(SlipKind kind, QLatin1StringView control);
