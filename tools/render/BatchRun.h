#pragma once

#include "RenderOptions.h"

#include <QTextStream>

// zorprint-render --batch: reads the table, writes the PDF of the slips that pass their checks and
// read back, and reports each refused row as a JSON line {"row", "column", "message"} on errors.
// Gives the exit status: 0 every row written, 1 some refused, 2 bad input or the PDF not written.
int runBatch(const RenderOptions &options, QTextStream &errors);
