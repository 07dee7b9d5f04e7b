#pragma once

#include "SlipData.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>

// Slip files: a tag line "TIP=UPLATNICA" or "TIP=ZORVAT", then the kind's 14 fields in canonical
// order, one line each, Windows-1250 with CR LF. A memo's hard line breaks are kept on its one
// line as byte 0B.
namespace SlipFile {

QByteArray toBytes(const SlipRecord &record);

// Replaces path with the record's file; a failed save leaves any earlier file whole.
// Throws UserError with the file error.
void save(const QString &path, const SlipRecord &record);

// The record held by a file's bytes, or nothing when line 1 names neither kind.
// Lines end at LF or CR LF, a lone CR is dropped, byte 1A ends the file, missing lines are empty.
std::optional<SlipRecord> fromBytes(const QByteArray &bytes);

// The record read from a device, or nothing when line 1 names neither kind or reading fails.
std::optional<SlipRecord> fromDevice(QIODevice &device);

// Reads path. Throws UserError with the file error when it cannot be opened; nothing when
// line 1 names neither kind or reading fails part-way.
std::optional<SlipRecord> load(const QString &path);

// What the user is told when a file cannot be loaded as a slip.
QString loadErrorText();

} // namespace SlipFile
