#pragma once

#include "batch/BatchReport.h"
#include "model/Hub3aRecord.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// One slip of a batch with the row it came from.
struct NumberedSlip
{
    int row = 0;
    Hub3aRecord record;
};

// A table of HUB-3A slips: the rows that passed every check and the problems of the others.
struct Hub3aTable
{
    QList<NumberedSlip> slips;
    QList<RowProblem> problems;
    int rowCount = 0; // rows read, refused ones included
};

// The table columns, one per HUB-3A field in the order of the fields ("platitelj_naziv", ...,
// "hitno").
const QStringList &hub3aColumnNames();

// The column of a field.
QString hub3aColumn(Hub3aField field);

// What a table cell puts into its field, or the reason it cannot (problem not empty): the cell's
// text without spaces around it must fit the field as it is (length and characters; small letters
// of the coded fields are raised), the amount be in the program's format, the date DDMMGGGG,
// urgent 1, 0 or empty.
struct Hub3aCell
{
    QString text;
    QString problem;
};
Hub3aCell readHub3aCell(Hub3aField field, const QString &cell);

// Reads a CSV table (CsvTable) whose header names HUB-3A columns in any order; a field without a
// column takes base's text. Each cell must fit its field (readHub3aCell) and each slip must pass
// the payment checks. Throws UserError for a table that cannot be read or a column name that is
// not one of hub3aColumnNames(), saying which.
Hub3aTable readHub3aTable(const QByteArray &bytes, const Hub3aRecord &base);

// Slips as a table that readHub3aTable reads back to the same slips: a header of every column, then
// a row of each slip's fields.
QByteArray hub3aTableCsv(const QList<NumberedSlip> &slips);

// The payment checks of one slip (accounts, references, amount) as problems of row.
QList<RowProblem> checkSlip(int row, const Hub3aRecord &record);
