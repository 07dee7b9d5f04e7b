#pragma once

#include <QByteArray>
#include <QStringList>

// The partner file's content: one entry per line, Windows-1250. A name's hard line breaks are kept
// on its one line as byte 0B, as in slip files.
namespace PartnerFile {

// Every entry followed by CR LF.
QByteArray toBytes(const QStringList &entries);

// A line ends at CR LF, a lone CR or a lone LF; a last line without a line end counts; a NUL byte
// ends the reading. No bytes, no entries.
QStringList fromBytes(const QByteArray &bytes);

} // namespace PartnerFile
