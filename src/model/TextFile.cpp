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

// Passes writes on to a file and keeps the first that failed, with its errno.
class CheckedWrites : public QIODevice
{
public:
    explicit CheckedWrites(QIODevice &target) : m_target(target)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    bool failed() const { return m_failed; }
    int error() const { return m_error; }
    void fail(int error)
    {
        if (!m_failed)
            m_error = error;
        m_failed = true;
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_failed)
            return -1;
        errno = 0;
        const qint64 written = m_target.write(data, size);
        if (written != size) {
            fail(errno);
            return -1;
        }
        return written;
    }

private:
    QIODevice &m_target;
    bool m_failed = false;
    int m_error = 0;
};

} // namespace

namespace TextFile {

bool writesFailed(const QIODevice &device)
{
    const auto *checked = dynamic_cast<const CheckedWrites *>(&device);
    return checked != nullptr && checked->failed();
}

void writeAtomically(const QString &path, const QByteArray &bytes)
{
    writeAtomicallyWith(path, [&bytes](QIODevice &file) { file.write(bytes); });
}

void writeAtomicallyWith(const QString &path, const std::function<void(QIODevice &)> &write)
{
    requireShortEnoughName(path);
    // Only a regular file is ever replaced: a device or a pipe under the name would otherwise be
    // swapped for a new regular file.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        throw UserError(QStringLiteral("Datoteka %1 ne može se stvoriti").arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw UserError(QStringLiteral("Datoteka %1 ne može se stvoriti").arg(path));
    // The save file buffers small writes, forgets a failed one at the next write and does not
    // report a failed final flush at its commit: it would rename an empty or cut temporary file
    // over the old one. Every write goes through a device that keeps the first failure, and the
    // last flush is checked, so the temporary file is dropped and the old file kept when one fails.
    CheckedWrites checked(file);
    try {
        write(checked);
    } catch (...) {
        file.cancelWriting();
        throw;
    }
    errno = 0;
    if (!checked.failed() && !file.flush())
        checked.fail(errno);
    if (checked.failed()) {
        file.cancelWriting();
        errno = checked.error();
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
        throw UserError(QStringLiteral("Datoteka %1 ne može se stvoriti").arg(path));
    errno = 0;
    if (stream.write(bytes) != bytes.size())
        writeFailed();
}

void checkReadable(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw UserError(QStringLiteral("Datoteka %1 ne postoji").arg(path));
    // A pipe or a device would block the open until another process writes into it.
    if (!info.isFile())
        throw UserError(QStringLiteral("Datoteka %1 ne može se otvoriti").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::PermissionsError || !info.isReadable())
            throw UserError(QStringLiteral("Nije dopušten pristup datoteci %1").arg(path));
        throw UserError(QStringLiteral("Datoteka %1 ne može se otvoriti").arg(path));
    }
}

QByteArray readWhole(const QString &path)
{
    checkReadable(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Datoteka %1 ne može se otvoriti").arg(path));
    QByteArray bytes;
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 count = file.read(chunk.data(), chunk.size());
        if (count < 0)
            throw UserError(QStringLiteral("Stream read error"));
        if (count == 0)
            return bytes;
        bytes.append(chunk.constData(), count);
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
