#include "NearlyFullDisk.h"

#include <QFile>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

FileSizeLimit::FileSizeLimit(rlim_t maxBytes)
{
    getrlimit(RLIMIT_FSIZE, &m_old);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = m_old;
    limited.rlim_cur = maxBytes;
    setrlimit(RLIMIT_FSIZE, &limited);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
}

NearlyFullDisk::NearlyFullDisk(qint64 sizeBytes)
{
    if (geteuid() != 0)
        return;
    const QByteArray options = "size=" + QByteArray::number(sizeBytes) + ",mode=0777";
    m_mounted =
        mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

NearlyFullDisk::~NearlyFullDisk()
{
    m_limit.reset();
    if (m_mounted)
        umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

qint64 NearlyFullDisk::freeBytes() const
{
    struct statvfs stats
    {
    };
    if (statvfs(QFile::encodeName(m_dir.path()).constData(), &stats) != 0)
        return -1;
    return qint64(stats.f_bavail) * qint64(stats.f_frsize);
}

void NearlyFullDisk::fill(qint64 freeBytes)
{
    if (!m_mounted) {
        m_limit = std::make_unique<FileSizeLimit>(rlim_t(std::max<qint64>(freeBytes, 0)));
        return;
    }
    const int fd = open(QFile::encodeName(filePath(QStringLiteral(".filler"))).constData(),
                        O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0)
        return;
    const std::vector<char> block(4096, 'f');
    while (this->freeBytes() > freeBytes) {
        const qint64 room = this->freeBytes() - freeBytes;
        const size_t chunk = size_t(std::min<qint64>(room, qint64(block.size())));
        if (write(fd, block.data(), chunk) <= 0)
            break;
    }
    close(fd);
}
