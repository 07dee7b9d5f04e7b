#pragma once

#include <QString>

#include <chrono>

// An advisory lock (flock) on "<partner file>.lock" beside the partner file, held while one running
// copy of the program reads, merges and replaces that file, so that no copy replaces the file
// between another copy's reading and its writing.
class PartnerFileLock
{
public:
    // Waits up to wait for the lock and throws UserError when another copy holds it longer. When the
    // lock file cannot be made (a full disk, a folder that takes no files), no lock is held: the
    // save that follows then reports why it cannot write there.
    PartnerFileLock(const QString &partnerFile, std::chrono::milliseconds wait);
    ~PartnerFileLock();
    PartnerFileLock(const PartnerFileLock &) = delete;
    PartnerFileLock &operator=(const PartnerFileLock &) = delete;

    static QString lockFileFor(const QString &partnerFile);

private:
    int m_fd = -1;
};
