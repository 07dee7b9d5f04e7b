#pragma once

#include <QTextStream>

struct RenderOptions;

// zorprint-render on one slip file, read with the program's own slip-file reader: drawn to -o (the
// output whole or not at all), its payment checks (--check) or its barcode's text (--payload) on
// out. Each gives the exit status: 0 done, 1 a check failed, 2 an unreadable slip file or an output
// not written.
int runDraw(const RenderOptions &options, QTextStream &out, QTextStream &errors);
int runCheck(const RenderOptions &options, QTextStream &out, QTextStream &errors);
int runPayload(const RenderOptions &options, QTextStream &out, QTextStream &errors);
