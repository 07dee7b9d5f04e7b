#pragma once

#include <QStringList>
#include <QTextStream>

// Runs zorprint-render with its command line (program name first): reads the slip file with the
// program's own slip-file reader, draws it and writes the output whole or not at all.
// With --check it writes the payment checks to `out` instead of drawing.
// Returns the exit status: 0 done, 2 bad options or an unreadable slip file, 1 output not written
// or, with --check, a check failed.
int runRenderTool(const QStringList &arguments, QTextStream &out, QTextStream &errors);
