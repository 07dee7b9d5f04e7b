#pragma once

#include <QStringList>
#include <QTextStream>

#include <optional>

// zorprint-render's bank-file modes (BankFileOptions). Nothing when the command line asks for
// something else; otherwise the exit status:
//   writing: 0 every order written, 1 some refused (each a JSON line {"row","column","message"} on
//            errors), 2 bad options or input, or the file not written;
//   --status: a JSON line {"instrId","endToEndId","amount","recipient","iban","reason","message"}
//            per refused order on out; 0 none refused, 1 some, 2 no pain.002 report.
std::optional<int> runBankFile(const QStringList &arguments, QTextStream &out, QTextStream &errors);
