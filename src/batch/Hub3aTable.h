#pragma once

#include "batch/BatchReport.h"
#include "model/Hub3aRecord.h"
#include "model/Hub3aRules.h"
#include "model/NumberedSlip.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <utility>

// A table of HUB-3A slips: the rows that passed every check and the problems of the others.
struct Hub3aTable
{
    QList<NumberedSlip> slips;
    QList<RowProblem> problems;
    int rowCount = 0; // rows read, refused ones included
    // Fields a slip cannot be paid without that neither the table's columns nor the base give
    // (hub3aMissingFields). While any is listed no row is read: every slip would lack it.
    QList<Hub3aProblem> baseMissing;
};

// The table columns, one per HUB-3A field in the order of the fields ("platitelj_naziv", ...,
// "hitno").
const QStringList &hub3aColumnNames();

// The column of a field.
QString hub3aColumn(Hub3aField field);

// What a table cell puts into its field, or the reason it cannot (problem not empty): the cell's
// text without spaces around it, small letters of the coded fields raised and urgent 0 read as
// empty, must keep the field's rules (hub3aFieldProblem).
struct Hub3aCell
{
    QString text;
    QString problem;
    Hub3aRule rule = Hub3aRule::Form; // the rule the cell breaks, when it has a problem
};
Hub3aCell readHub3aCell(Hub3aField field, const QString &cell);

// A cell of a row: the field and the text it is read from.
using Hub3aCellText = std::pair<Hub3aField, QString>;

// A row checked: its slip, or (problems not empty) why it cannot be one.
struct Hub3aRowCheck
{
    NumberedSlip slip;
    QList<RowProblem> problems;
};

// The slip of base with the row's cells (readHub3aCell) or, when a cell does not fit or the slip
// cannot be paid (hub3aSlipProblems), the problems of the row, after any the caller found. rowName
// names the row in the report where its number would not tell the clerk which it is;
// charactersNote follows each refusal of a cell's characters (the encoding a table was read in).
Hub3aRowCheck checkHub3aRow(int row, const Hub3aRecord &base, const QList<Hub3aCellText> &cells,
                            QList<RowProblem> problems = {}, const QString &rowName = {},
                            const QString &charactersNote = {});

// Adds checkHub3aRow's slip to table's slips, or its problems to table's problems.
void addHub3aRow(Hub3aTable &table, int row, const Hub3aRecord &base, const QList<Hub3aCellText> &cells,
                 QList<RowProblem> problems = {}, const QString &rowName = {});

// The records as the slips of rows 1, 2, ... in their order, as a table written of them numbers them.
QList<NumberedSlip> numberedSlips(const QList<Hub3aRecord> &records);

// Slips as a table that readHub3aTable reads back to the same slips: a header of every column, then
// a row of each slip's fields.
QByteArray hub3aTableCsv(const QList<NumberedSlip> &slips);
