#pragma once

#include "model/Hub3aFields.h"

#include <QLatin1StringView>

// The HUB-3A tab's entry controls by object name, one for each field of the slip ("Hub3aPayerName"
// holds the payer's name). The purpose code is an editable combo box, urgent a check box, every
// other field a line box.

QLatin1StringView hub3aControlOf(Hub3aField field);
