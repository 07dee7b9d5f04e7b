#include "partners/PartnerFilePlaces.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace {

const QString fileName = QStringLiteral("DataZor.dat");

bool folderTakesASave(const QString &path)
{
    // access() asks with the real user's rights; QFileInfo::isWritable gives root its override only
    // when it is root, so either does, but access() also sees read-only mounts.
    const QString folder = QFileInfo(path).absolutePath();
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0 &&
           (!QFileInfo::exists(path) || ::access(QFile::encodeName(path).constData(), W_OK) == 0);
}

} // namespace

PartnerFilePlaces::PartnerFilePlaces(const QString &besideProgram, const QString &perUser)
    : m_besideProgram(besideProgram), m_perUser(perUser)
{
}

PartnerFilePlaces PartnerFilePlaces::forProgramIn(const QString &programDirectory)
{
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString perUser = QDir(dataFolder).filePath(QStringLiteral("ZorvatPrint/") + fileName);
    // An installed program sits in <prefix>/bin beside <prefix>/share; it keeps nothing beside
    // itself even when its user may write there (root running the program from /usr/bin).
    const QFileInfo program(programDirectory);
    const bool installed = program.fileName() == QLatin1StringView("bin") &&
                           QFileInfo(program.dir().filePath(QStringLiteral("share"))).isDir();
    if (installed)
        return {QString(), perUser};
    return {QDir(programDirectory).filePath(fileName), perUser};
}

QString PartnerFilePlaces::readPath() const
{
    const bool besideExists = !m_besideProgram.isEmpty() && QFileInfo::exists(m_besideProgram);
    const bool perUserExists = QFileInfo::exists(m_perUser);
    // An empty per-user file left by an older copy that never had a partner does not hide the
    // partners beside the program; one the clerk emptied does.
    if (perUserExists && besideExists && m_perUser != m_besideProgram && QFileInfo(m_perUser).size() == 0 &&
        !QFileInfo::exists(emptiedMarkFor(m_perUser)) && QFileInfo(m_besideProgram).size() > 0)
        return m_besideProgram;
    if (perUserExists || !besideExists)
        return savePath();
    return m_besideProgram;
}

QString PartnerFilePlaces::savePath() const
{
    if (QFileInfo::exists(m_perUser))
        return m_perUser;
    return !m_besideProgram.isEmpty() && folderTakesASave(m_besideProgram) ? m_besideProgram : m_perUser;
}

bool PartnerFilePlaces::isPerUser(const QString &path) const
{
    return path == m_perUser && m_perUser != m_besideProgram;
}

QString PartnerFilePlaces::emptiedMarkFor(const QString &path)
{
    return path + QStringLiteral(".emptied");
}

void PartnerFilePlaces::noteSaved(const QString &path, qsizetype entryCount) const
{
    if (!isPerUser(path))
        return;
    const QString mark = emptiedMarkFor(path);
    if (entryCount > 0) {
        QFile::remove(mark);
        return;
    }
    QFile file(mark);
    if (file.open(QIODevice::WriteOnly))
        file.close();
}
