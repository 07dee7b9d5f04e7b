#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// The tests' small file chores: a file read whole, a file written whole, the sample files.

// The bytes of a file; empty when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a file whole, making its folder first; whether every byte was written.
[[nodiscard]] inline bool writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A file of the tests' data folder, named below it ("hub3a/full.txt").
inline QString testDataPath(const char *name)
{
    return QStringLiteral(ZORVAT_TEST_DATA_DIR "/") + QLatin1StringView(name);
}

inline QByteArray testDataBytes(const char *name)
{
    return fileBytes(testDataPath(name));
}
