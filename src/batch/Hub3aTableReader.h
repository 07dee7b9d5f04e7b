#pragma once

#include "batch/Hub3aTable.h"
#include "model/CsvRowReader.h"

#include <QDate>
#include <QIODevice>

#include <optional>

// Reads a CSV table (CsvRowReader) whose header names HUB-3A columns in any order a row at a time,
// checking each as it comes, so a table of any length takes memory for one row: a field without a
// column takes base's text (but a party whose name is a column takes none of its fields from base:
// baseForColumns), each cell must fit its field (readHub3aCell) and each slip must be one that can
// be paid (hub3aSlipProblems) and, given today, whose execution date is not past.
class Hub3aTableReader
{
public:
    // Reads the header. Throws UserError for a table that cannot be read, or a column name that is
    // not one of hub3aColumnNames() or comes twice, saying which (the name cut to a few dozen
    // characters) and where. device must stay open and outlive the reader.
    Hub3aTableReader(QIODevice &device, const Hub3aRecord &base, const QDate &today = {});

    // The field of each column, in the order of the header.
    const QList<Hub3aField> &columns() const { return m_fields; }
    // The fields every slip takes from base (fieldsFromBase).
    QList<Hub3aField> fromBase() const;

    // Fields a slip cannot be paid without that neither the table's columns nor the base give.
    // While any is listed no row is checked: every slip would lack it.
    const QList<Hub3aProblem> &baseMissing() const { return m_baseMissing; }

    // The next row's slip or problems, or nothing at the end. Throws UserError for a row that
    // cannot be read (a quote not closed).
    std::optional<Hub3aRowCheck> next();

    int rowCount() const { return m_rowCount; } // rows read so far, refused ones included
    qint64 bytesRead() const { return m_rows.bytesRead(); }
    qint64 size() const { return m_rows.size(); }

private:
    CsvRowReader m_rows;
    QList<Hub3aField> m_fields; // the field of each column
    const Hub3aRecord m_base;   // as the rows take it
    const QDate m_today;
    QList<Hub3aProblem> m_baseMissing;
    int m_rowCount = 0;
};

// Reads a CSV table held in memory as Hub3aTableReader reads a file, keeping every slip and
// problem. Throws what Hub3aTableReader throws.
Hub3aTable readHub3aTable(const QByteArray &bytes, const Hub3aRecord &base);
