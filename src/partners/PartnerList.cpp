#include "PartnerList.h"

#include "PartnerFile.h"
#include "TextFile.h"
#include "UserError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString fileName = QStringLiteral("DataZor.dat");

QStringList readEntries(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Cannot open file %1").arg(path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw UserError(QStringLiteral("Stream read error"));
    return PartnerFile::fromBytes(bytes);
}

} // namespace

PartnerList::PartnerList(const QString &filePath) : m_filePath(filePath) {}

QString PartnerList::defaultFilePath(const QString &programDirectory)
{
    // An installed program sits in <prefix>/bin beside <prefix>/share; it keeps nothing beside
    // itself even when its user may write there (root running the program from /usr/bin).
    const QFileInfo program(programDirectory);
    const bool installed = program.fileName() == QLatin1StringView("bin") &&
                           QFileInfo(program.dir().filePath(QStringLiteral("share"))).isDir();
    if (program.isDir() && program.isWritable() && !installed)
        return QDir(programDirectory).filePath(fileName);
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(dataFolder).filePath(QStringLiteral("ZorvatPrint/") + fileName);
}

void PartnerList::checkIndex(int index) const
{
    if (index < 0 || index >= count())
        throw UserError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

QString PartnerList::at(int index) const
{
    checkIndex(index);
    return m_entries.at(index);
}

void PartnerList::append(const QString &entry)
{
    m_entries.append(entry);
    emit changed();
}

void PartnerList::replace(int index, const QString &entry)
{
    checkIndex(index);
    m_entries.replace(index, entry);
    emit changed();
}

void PartnerList::remove(int index)
{
    checkIndex(index);
    m_entries.removeAt(index);
    emit changed();
}

void PartnerList::LoadData()
{
    m_entries.clear();
    try {
        if (QFileInfo::exists(m_filePath))
            m_entries = readEntries(m_filePath);
    } catch (const UserError &) {
        emit changed();
        throw;
    }
    emit changed();
}

void PartnerList::SaveData() const
{
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    try {
        TextFile::writeAtomically(m_filePath, PartnerFile::toBytes(m_entries));
    } catch (const UserError &error) {
        // The partner list reports every failed write, a full disk included, as a stream error.
        if (error.text() == QStringLiteral("Disk full"))
            throw UserError(QStringLiteral("Stream write error"));
        throw;
    }
}
