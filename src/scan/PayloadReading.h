#pragma once

#include "model/Hub3aRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What a barcode's bytes give: a slip, or the reason they give none (problem, naming the line that
// broke a rule). notes say what was changed to fit a slip's field (an EPC name cut to its length).
struct PayloadReading
{
    std::optional<Hub3aRecord> record;
    QString problem;
    QStringList notes;

    static PayloadReading refused(const QString &problem) { return {std::nullopt, problem, {}}; }
};

// The text of UTF-8 bytes, or nothing when they are not UTF-8.
std::optional<QString> strictUtf8(const QByteArray &bytes);

// The lines of a text split at LF (a final LF ends the last line, it does not open another).
QStringList payloadLines(const QString &text);

// The text of a barcode's content as its reader hands it over with character set markers (ECI): an
// optional symbology prefix ("]L1"), a marker as a backslash and six digits, a backslash doubled,
// each stretch of bytes in the character set its marker names. The text in UTF-8, or nothing when a
// marker is malformed or names a character set that is not known.
std::optional<QByteArray> eciProtocolUtf8(const QByteArray &content);
