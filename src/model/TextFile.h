#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

// Whole-file reading and crash-safe writing with the user-facing error texts.
namespace TextFile {

// Writes bytes to path through a temporary file in the same folder that replaces the old file only
// when everything is written and flushed, so a failure (a full disk included) leaves any earlier
// file byte for byte as it was. Throws UserError "Datoteka <path> ne može se stvoriti" (also when path names
// anything but a regular file), "Naziv datoteke je predugačak: <path>", "Disk full" or
// "Stream write error".
void writeAtomically(const QString &path, const QByteArray &bytes);

// Writes path as writeAtomically does, with what write puts into the device as it goes, so that a
// long output need not be held in memory. A write that fails fails every later one and, at the
// end, the whole: "Disk full" or "Stream write error". When write throws, the exception passes on.
// Either way the temporary file is dropped and the old file kept.
void writeAtomicallyWith(const QString &path, const std::function<void(QIODevice &)> &write);
// Whether a write into the device that writeAtomicallyWith gives has failed already: a long output
// can stop there instead of making the rest for nothing.
bool writesFailed(const QIODevice &device);

// Writes an output file of the command-line tools: a regular or new file as writeAtomically does,
// a character device or a pipe (such as /dev/stdout) straight, without replacing it.
void writeOutput(const QString &path, const QByteArray &bytes);

// Opens path for reading or throws UserError "Datoteka <path> ne postoji", "Nije dopušten pristup
// datoteci <path>" or "Datoteka <path> ne može se otvoriti" (also for anything but a regular file, which
// could block the open).
void checkReadable(const QString &path);

// The whole of path, as tables are read. Throws what checkReadable throws, and UserError
// "Stream read error" when reading fails part-way, so a damaged file never passes for a short one.
QByteArray readWhole(const QString &path);

} // namespace TextFile

// A memo's text on the one line that slip and partner files give it: every hard line break
// (CR LF, LF or CR) becomes the byte 0B (line tabulation), which no entry control accepts,
// and comes back as CR LF. Texts without line breaks are unchanged.
QString memoToOneLine(const QString &text);
QString memoFromOneLine(const QString &line);
