#include "TextFile.h"

#include "UserError.h"

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

} // namespace

namespace TextFile {

void writeAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw UserError(QStringLiteral("Cannot create file %1").arg(path));
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        file.cancelWriting();
        errno = error;
        writeFailed();
    }
    errno = 0;
    if (!file.commit())
        writeFailed();
}

void checkReadable(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw UserError(QStringLiteral("File not found"));
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
