#include "partners/PartnerFileLock.h"

#include "model/UserError.h"

#include <QFile>

#include <thread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

PartnerFileLock::PartnerFileLock(const QString &partnerFile, std::chrono::milliseconds wait)
{
    const QString lockFile = lockFileFor(partnerFile);
    m_fd = ::open(QFile::encodeName(lockFile).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (m_fd < 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            // A file system without locks: the save goes on as it would without a second copy.
            ::close(m_fd);
            m_fd = -1;
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(m_fd);
            m_fd = -1;
            throw UserError(QStringLiteral("Popis partnera nije spremljen: datoteku %1 predugo sprema drugi "
                                           "pokrenuti primjerak programa. Pokušajte ponovno za nekoliko "
                                           "trenutaka.")
                                .arg(partnerFile));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

PartnerFileLock::~PartnerFileLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the only descriptor releases the lock
}

QString PartnerFileLock::lockFileFor(const QString &partnerFile)
{
    return partnerFile + QStringLiteral(".lock");
}
