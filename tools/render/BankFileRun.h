#pragma once

#include <QTextStream>

struct RenderOptions;

// zorprint-render's bank file: a table (--batch TABLE.csv) or one HUB-3A slip file written as a
// pain.001 file (-o ORDERS.xml). Gives 0 every order written, 1 some refused (each a JSON line
// {"row","column","message"} on errors), 2 bad input or the file not written.
int runBankFile(const RenderOptions &options, QTextStream &out, QTextStream &errors);

// zorprint-render --status REPORT.xml [-o REFUSED.csv]: the answer recorded in the payments book, a
// JSON line {"instrId","endToEndId","amount","recipient","iban","reason","message"} per refusal on
// out, and the refused orders as a table in REFUSED.csv: as the book holds them when it knows the
// file (with {"book","orders","refused","accepted"} on errors), else as the answer gives them (with
// a {"note"} saying so). Gives 0 none refused, 1 some, 2 no pain.002 report, a book that cannot be
// written, or standard output or the table not written.
int runStatus(const RenderOptions &options, QTextStream &out, QTextStream &errors);
