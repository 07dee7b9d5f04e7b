#pragma once

#include "model/FormField.h"

#include <QLatin1StringView>

// The one table from the main window's entry controls to the slip fields they hold: each field's
// control by object name ("Memo1" holds the payment slip's payer). Below the windows fields go by
// form and field (FormField.h); only the windows turn them into controls here.

// The control holding the field at index in its kind's canonical order.
QLatin1StringView controlOf(SlipKind kind, int fieldIndex);
// The control holding a field of any of the three forms (the HUB-3A tab's from Hub3aControlTable.h).
QLatin1StringView controlOf(FormField field);
// The index of the field a control holds, or -1 when it holds none of this kind.
int fieldIndexOfControl(SlipKind kind, QLatin1StringView control);
