#pragma once

#include "model/TableEncoding.h"

#include <QIODevice>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <optional>

// Reads a CSV table (as CsvTable describes it) a row at a time from a device, in chunks, so that a
// table of any length takes memory for one row and one chunk only. The encoding is found by a first
// pass over the device (TableEncoding), which therefore must be able to seek back to its start.
class CsvRowReader
{
public:
    struct Row
    {
        int number = 0; // 1 for the first row after the header
        QStringList fields;
    };

    // Finds the encoding and reads the header. Throws UserError as CsvTable::parse does for the
    // encoding, the header's quotes and a table without a header row. device must stay open and
    // outlive the reader.
    explicit CsvRowReader(QIODevice &device);

    const QStringList &header() const { return m_header; }
    QChar separator() const { return m_separator; }
    const TableEncoding &encoding() const { return m_encoding; }

    // The next row that is not blank (nothing but separators and spaces; blank rows keep their
    // numbers), or nothing at the end. Throws UserError naming the row for a quote that is not
    // closed or text after a closing quote.
    std::optional<Row> next();

    // How far the reading has come, in bytes of the device, and the device's size, for progress.
    qint64 bytesRead() const { return m_device.pos(); }
    qint64 size() const { return m_device.size(); }

private:
    enum class Outcome { Record, End, NeedMore };

    bool readMore(qsizetype atLeast);
    bool nextRecord(QStringList &fields);
    Outcome record(QStringList &fields);
    std::optional<QString> field();
    std::optional<QString> quotedField();
    QString where() const;
    bool endsField(QChar ch) const { return ch == m_separator || ch == u'\n' || ch == u'\r'; }

    QIODevice &m_device;
    TableEncoding m_encoding;
    QStringDecoder m_utf8{QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom};
    QString m_text; // decoded text not yet read
    qsizetype m_at = 0;
    bool m_eof = false;
    QChar m_separator = u';';
    QStringList m_header;
    int m_record = 0; // records read; 0 while the header is read
};
