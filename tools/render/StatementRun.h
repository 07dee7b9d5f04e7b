#pragma once

#include <QTextStream>

struct RenderOptions;

// zorprint-render --statement FILE... [-o UNMATCHED.csv]: the bank's statements matched against the
// payments book. One JSON line a file on the standard error with what came of its entries, one on
// the standard output for each entry found in no payment (and with -o the same as a table). The
// exit status: 0 every entry matched or taken before, 1 some not matched, 2 a file that is no
// statement (the book then unchanged), a book that cannot be written or an output that cannot.
int runStatement(const RenderOptions &options, QTextStream &out, QTextStream &errors);
