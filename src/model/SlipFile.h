#pragma once

#include "model/Hub3aRecord.h"
#include "model/SlipData.h"

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

// The record read from a device, or nothing when line 1 names neither kind, reading fails or the
// record's lines do not end within the first 4 MiB.
std::optional<SlipRecord> fromDevice(QIODevice &device);

// Reads path. Throws UserError with the file error when it cannot be opened; nothing when
// line 1 names neither kind or reading fails part-way.
std::optional<SlipRecord> load(const QString &path);

// HUB-3A slip files: a tag line "TIP=HUB3A", then the 17 fields in the order of Hub3aField, one
// line each ("1" or nothing for urgent), Windows-1250 with CR LF.
QByteArray toBytes(const Hub3aRecord &record);
void save(const QString &path, const Hub3aRecord &record);

// The HUB-3A record held by a file's bytes, or nothing when line 1 is not its tag. Lines split as
// for the other kinds; each field holds its line as it is, whether it keeps the field's rules or
// not (hub3aFieldProblems tells), so what was loaded saves back byte for byte.
std::optional<Hub3aRecord> hub3aFromBytes(const QByteArray &bytes);

// Reads path as loadHub3a reads it: UserError when it cannot be opened, nothing when line 1 is not
// the HUB-3A tag or reading fails part-way.
std::optional<Hub3aRecord> loadHub3a(const QString &path);

// What the user is told when a file cannot be loaded as a slip.
QString loadErrorText();

} // namespace SlipFile
