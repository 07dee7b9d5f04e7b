#pragma once

#include "model/Hub3aRecord.h"

// One slip of a batch with the row it came from (the table row, or its place in a selection).
struct NumberedSlip
{
    int row = 0;
    Hub3aRecord record;
};
