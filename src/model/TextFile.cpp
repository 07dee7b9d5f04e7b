#include "model/TextFile.h"

#include "model/UserError.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>

namespace {

constexpr char16_t lineTabulation = u'\x0B';

[[noreturn]] void writeFailed()
{
    throw UserError(errno == ENOSPC ? QStringLiteral("Disk full") : QStringLiteral("Stream write error"));
}

// Linux takes names of up to 255 bytes; the save's temporary file would otherwise fail later with
// a stream error that does not say why.
void requireShortEnoughName(const QString &path)
{
    constexpr qsizetype maxNameBytes = 255, maxPathBytes = 4095;
    if (QFile::encodeName(QFileInfo(path).fileName()).size() > maxNameBytes ||
        QFile::encodeName(path).size() > maxPathBytes)
        throw UserError(QStringLiteral("Naziv datoteke je predugačak: %1").arg(path));
}

} // namespace

namespace TextFile {

void writeAtomically(const QString &path, const QByteArray &bytes)
{
    writeAtomicallyWith(path, [&bytes](QIODevice &file) {
        if (file.write(bytes) != bytes.size())
            throw WriteFailed();
    });
}

void writeAtomicallyWith(const QString &path, const std::function<void(QIODevice &)> &write)
{
    requireShortEnoughName(path);
    // Only a regular file is ever replaced: a device or a pipe under the name would otherwise be
    // swapped for a new regular file.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        throw UserError(QStringLiteral("Cannot create file %1").arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw UserError(QStringLiteral("Cannot create file %1").arg(path));
    // The save file buffers small writes and its commit does not report a failed final flush:
    // it would rename an empty or cut temporary file over the old one. Each step is flushed and
    // checked here, so the temporary file is dropped and the old file kept when one fails.
    errno = 0;
    try {
        write(file);
    } catch (const WriteFailed &) {
        const int error = errno;
        file.cancelWriting();
        errno = error;
        writeFailed();
    } catch (...) {
        file.cancelWriting();
        throw;
    }
    if (file.error() != QFileDevice::NoError || !file.flush()) {
        const int error = errno;
        file.cancelWriting();
        errno = error;
        writeFailed();
    }
    errno = 0;
    if (!file.commit())
        writeFailed();
}

void writeOutput(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (!target.exists() || target.isFile()) {
        writeAtomically(path, bytes);
        return;
    }
    // A character device or a pipe (a terminal, /dev/stdout, a FIFO) takes the bytes as they come.
    QFile stream(path);
    if (target.isDir() || !stream.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw UserError(QStringLiteral("Cannot create file %1").arg(path));
    errno = 0;
    if (stream.write(bytes) != bytes.size())
        writeFailed();
}

void checkReadable(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw UserError(QStringLiteral("File not found"));
    // A pipe or a device would block the open until another process writes into it.
    if (!info.isFile())
        throw UserError(QStringLiteral("Cannot open file %1").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::PermissionsError || !info.isReadable())
            throw UserError(QStringLiteral("File access denied"));
        throw UserError(QStringLiteral("Cannot open file %1").arg(path));
    }
}

} // namespace TextFile

QString memoToOneLine(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString line = text;
    return line.replace(lineBreak, QString(QChar(lineTabulation)));
}

QString memoFromOneLine(const QString &line)
{
    if (!line.contains(QChar(lineTabulation)))
        return line;
    QString text = line;
    return text.replace(QChar(lineTabulation), QStringLiteral("\r\n"));
}
