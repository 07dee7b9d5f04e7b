#pragma once

#include "model/Hub3aFields.h"

#include <QLatin1StringView>

#include <optional>

// The HUB-3A tab's entry controls by object name, one for each field of the slip ("Hub3aPayerName"
// holds the payer's name). The purpose code is an editable combo box, urgent a check box, every
// other field a line box.

QLatin1StringView hub3aControlOf(Hub3aField field);
// The control holding the field of that name ("payerName", "amount", ...).
QLatin1StringView hub3aControlOf(QLatin1StringView fieldName);
// The field a control holds, or nothing when it holds none.
std::optional<Hub3aField> hub3aFieldOfControl(QLatin1StringView control);
