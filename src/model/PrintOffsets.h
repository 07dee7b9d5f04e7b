#pragma once

#include "model/SettingsStore.h"

// The user's print offsets, stored as decimal texts "dX" (device units) and "dY" (millimetres).
struct PrintOffsets
{
    qint32 dX = 0;
    qint32 dY = 0;
};

// The offsets for a print: both 0 when either stored text is absent or not a whole number.
// A stored value of another type throws UserError "Invalid data type for '<name>'".
PrintOffsets ReadPrintOffsets(const SettingsStore &store);

// Stores both offsets as decimal text, "dX" first.
void WritePrintOffsets(const SettingsStore &store, const PrintOffsets &offsets);
