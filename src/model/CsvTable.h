#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A table read from a CSV file: a header row and the rows after it, each a list of fields (all held
// in memory; CsvRowReader reads a long table a row at a time).
// The file is UTF-8 (with or without a byte order mark) or, when its bytes are not UTF-8 and none
// of them form a UTF-8 letter beyond ASCII, Windows-1250. Fields are separated by ';' or ',',
// whichever the header row uses first; a field in double quotes may hold separators, line breaks
// and doubled quotes (RFC 4180).
struct CsvTable
{
    struct Row
    {
        int number = 0; // 1 for the first row after the header
        QStringList fields;
    };

    QStringList header;
    QList<Row>
        rows; // blank rows (nothing but separators and spaces) are left out; the others keep their numbers
    QChar separator = u';';
    QString encoding; // the encoding the file was read in: "UTF-8" or "Windows-1250"

    // Throws UserError naming the row for a quote that is not closed or text after a closing quote,
    // for a file without a header row, and naming the first byte that fits neither encoding for a
    // file that is neither cleanly UTF-8 nor plausibly Windows-1250.
    static CsvTable parse(const QByteArray &bytes);

    // Rows of fields as CSV text in UTF-8 with a byte order mark and CR LF, fields quoted where
    // they hold ';', ',', a quote or a line break.
    static QByteArray toBytes(const QList<QStringList> &rows, QChar separator = u';');
};
