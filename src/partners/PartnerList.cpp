#include "partners/PartnerList.h"

#include "model/TextFile.h"
#include "model/UserError.h"
#include "partners/PartnerFile.h"
#include "partners/PartnerFileLock.h"
#include "partners/PartnerMerge.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <numeric>
#include <optional>

namespace {

// The bytes of the file at path, or nothing when there is no file. Only a regular file is opened:
// a pipe would block the open until another process writes into it.
std::optional<QByteArray> readBytes(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Datoteka %1 ne može se otvoriti").arg(path));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw UserError(QStringLiteral("Stream read error"));
    return bytes;
}

QByteArray digestOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QList<qsizetype> linesInOrder(qsizetype count)
{
    QList<qsizetype> lines(count);
    std::iota(lines.begin(), lines.end(), 0);
    return lines;
}

} // namespace

PartnerList::PartnerList(const QString &filePath) : PartnerList(PartnerFilePlaces(filePath)) {}

PartnerList::PartnerList(const PartnerFilePlaces &places) : m_places(places) {}

QString PartnerList::defaultFilePath(const QString &programDirectory)
{
    return PartnerFilePlaces::forProgramIn(programDirectory).savePath();
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
    m_readLines.append(-1);
    m_edited = true;
    emit changed();
}

void PartnerList::replace(int index, const QString &entry)
{
    checkIndex(index);
    m_entries.replace(index, entry);
    m_edited = true;
    emit changed();
}

void PartnerList::remove(int index)
{
    checkIndex(index);
    m_entries.removeAt(index);
    m_readLines.removeAt(index);
    m_edited = true;
    emit changed();
}

void PartnerList::LoadData()
{
    const QString path = m_places.readPath();
    remember(QString(), {}, QByteArray());
    try {
        if (const std::optional<QByteArray> bytes = readBytes(path)) {
            remember(path, PartnerFile::fromBytes(*bytes), *bytes);
            if (bytes->contains('\0'))
                m_loadError = QStringLiteral("datoteka %1 sadrži znak NUL i nije pročitana cijela").arg(path);
        }
    } catch (const UserError &error) {
        m_loadError = error.text();
        emit changed();
        throw;
    }
    emit changed();
}

void PartnerList::warnIfNotSavedAtExit() const
{
    if (!loadedWhole())
        throw UserError(QStringLiteral("Popis partnera neće se spremiti pri izlasku iz programa (%1). "
                                       "Spremite ga gumbom „U redu” u prozoru s popisom.")
                            .arg(m_loadError));
}

void PartnerList::remember(const QString &path, const QStringList &entries, const QByteArray &bytes)
{
    m_readFrom = path;
    m_asRead = entries;
    m_readDigest = path.isEmpty() ? QByteArray() : digestOf(bytes);
    m_entries = entries;
    m_readLines = linesInOrder(entries.size());
    m_edited = false;
    m_loadError.clear();
}

// What SaveData writes to target: the list as it is, or merged with what another running copy saved
// since this one read the file. A copy that changed nothing writes nothing over another's save.
PartnerList::Save PartnerList::saveFor(const QString &target) const
{
    std::optional<QByteArray> current;
    try {
        current = readBytes(target);
    } catch (const UserError &) {
        return {m_entries, true}; // a file that cannot be read cannot be merged; the write reports it
    }
    if (!current || (target == m_readFrom && digestOf(*current) == m_readDigest))
        return {m_entries, true};
    // An empty per-user file did not hide the list read beside the program: it holds nothing to merge.
    if (target != m_readFrom && current->isEmpty())
        return {m_entries, m_edited, !m_edited};
    const QStringList theirs = PartnerFile::fromBytes(*current);
    if (!m_edited)
        return {theirs, false};
    QList<TrackedPartner> own;
    own.reserve(m_entries.size());
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        own.append({m_entries.at(i), m_readLines.at(i)});
    return {mergePartnerLists(m_asRead, own, theirs), true};
}

void PartnerList::SaveData()
{
    const QString target = m_places.savePath();
    // A copy that never had a partner leaves no empty per-user file, which would hide the list
    // beside the program, nor a folder or a lock file.
    const bool neverHadAPartner = m_readFrom.isEmpty() && !m_edited && m_entries.isEmpty();
    if (neverHadAPartner && m_places.isPerUser(target) && !QFileInfo::exists(target))
        return;
    QDir().mkpath(QFileInfo(target).absolutePath());
    // The file is read, merged and replaced while no other copy can do the same; otherwise a save
    // that lands between another copy's reading and writing is lost, and its entries then look like
    // entries the other copy deleted.
    const PartnerFileLock lock(target, m_lockWait);
    const Save save = saveFor(target);
    if (save.keepsWhatWasRead)
        return;
    const QByteArray bytes = PartnerFile::toBytes(save.list);
    try {
        if (save.write)
            TextFile::writeAtomically(target, bytes);
    } catch (const UserError &error) {
        // The partner list reports every failed write, a full disk included, as a stream error.
        if (error.text() == QStringLiteral("Disk full"))
            throw UserError(QStringLiteral("Stream write error"));
        throw;
    }
    if (save.write)
        m_places.noteSaved(target, save.list.size());
    const bool merged = save.list != m_entries;
    remember(target, save.list, bytes);
    if (merged)
        emit changed();
}
