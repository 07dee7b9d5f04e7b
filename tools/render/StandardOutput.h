#pragma once

#include <QTextStream>

// Flushes what a mode wrote to standard output and gives status, or, when the text did not get out
// (a full disk, /dev/full), says "zorprint-render: Disk full" (or "Stream write error") on errors and
// gives 2: an output not written.
int afterWritingOut(QTextStream &out, QTextStream &errors, int status);
