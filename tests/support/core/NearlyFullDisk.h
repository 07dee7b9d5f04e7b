#pragma once

#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>
#include <memory>

// While it lives, no file this process writes can grow past maxBytes: such a write fails with
// EFBIG (SIGXFSZ is ignored meanwhile), as a write on a full disk fails. Restores both on exit.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t maxBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
};

// A folder on a filesystem of its own that fill() leaves with at most freeBytes free. Run as root
// it is a private tmpfs, so writes fail with ENOSPC as on a real full disk; otherwise, or where
// the mount is refused, fill() sets a FileSizeLimit of freeBytes instead.
class NearlyFullDisk
{
public:
    explicit NearlyFullDisk(qint64 sizeBytes = 1 << 20);
    ~NearlyFullDisk();
    NearlyFullDisk(const NearlyFullDisk &) = delete;
    NearlyFullDisk &operator=(const NearlyFullDisk &) = delete;

    bool isRealDisk() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString path() const { return m_dir.path(); }
    // Takes all space but freeBytes (rounded down to whole blocks) for a filler file.
    void fill(qint64 freeBytes);
    // The bytes still free on the filesystem (only meaningful for a real disk).
    qint64 freeBytes() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    std::unique_ptr<FileSizeLimit> m_limit;
};
