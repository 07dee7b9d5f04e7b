#pragma once

#include "bankfile/Pain001.h"

#include <QString>
#include <QStringList>

#include <optional>

// The bank-file modes of zorprint-render, parsed apart from the drawing options:
//   --batch TABLE.csv -o ORDERS.xml [--base HUB3AFILE] [--namespace hr|iso] [--instant] [--allow-repeat]
//   HUB3AFILE -o ORDER.xml [--namespace hr|iso] [--instant]
//   --status REPORT.xml [-o REFUSED.csv]
struct BankFileOptions
{
    enum class Mode { Table, Slip, Status };
    Mode mode = Mode::Table;
    QString inputPath; // the table, the slip file or the bank's report
    QString outPath;
    QString basePath;
    Pain001::Schema schema = Pain001::Schema::Croatian;
    bool instant = false;
    bool allowRepeat = false; // orders the payments book holds as paid are written too
};

// Whether a command line asks for a bank file (--status, --namespace, --instant, or an output
// ending in .xml); the drawing modes parse any other.
bool isBankFileCommand(const QStringList &arguments);

// Reads a bank-file command line (program name first). Throws UserError with what is wrong.
BankFileOptions parseBankFileOptions(const QStringList &arguments);

QString bankFileUsage();
