#pragma once

#include "batch/SlipSource.h"

#include <QDate>
#include <QString>

#include <functional>

// What reading and checking a table file of HUB-3A slips found (Hub3aTableReader).
struct Hub3aTableCheck
{
    int rowCount = 0;                // rows read, refused ones included
    int validSlips = 0;              // rows whose slip passed every check
    QList<RowProblem> problems;      // of the refused rows, unless given to the problem hook
    QList<Hub3aProblem> baseMissing; // see Hub3aTableReader::baseMissing
    QList<Hub3aField> columns;       // the field of each column
    QList<Hub3aField> fromBase;      // the fields every slip takes from the base
    bool cancelled = false;
};

// What the caller learns while a table is checked and how it stops the check.
struct TableCheckHooks
{
    std::function<void(const RowProblem &)> problem; // each problem as found, instead of keeping it
    std::function<void(qint64 bytesRead, qint64 size)> progress; // now and then
    std::function<bool()> cancelRequested;                       // asked now and then
};

// Reads and checks every row of the table at path a row at a time, holding no slip, so that a
// table of any length takes memory for its problems only (none with a problem hook). Throws
// UserError for a file or table that cannot be read. Given today, a row whose execution date is
// past is refused.
Hub3aTableCheck checkHub3aTableFile(const QString &path, const Hub3aRecord &base,
                                    const TableCheckHooks &hooks = {}, const QDate &today = {});

// The slips of the rows of the table at path that pass their checks, read from the file as they
// are asked for (the file is opened at once). Throws as checkHub3aTableFile, also when asked.
SlipSource hub3aTableSlips(const QString &path, const Hub3aRecord &base, const QDate &today = {});

