#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <sys/resource.h>

#include <chrono>

// Time and peak memory that an action costs, for tests of huge and hostile input. The limits the
// tests set are far above what the work needs and far below what work growing with the square of
// the input (or reading a whole huge file) costs, so they hold on a loaded machine too.
struct Cost
{
    std::chrono::milliseconds time;
    long peakGrowthMb; // growth of the process's peak resident memory
};

inline long peakResidentMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

template <typename Action> Cost costOf(Action &&action)
{
    const long peakBefore = peakResidentMb();
    QElapsedTimer timer;
    timer.start();
    action();
    return {std::chrono::milliseconds(timer.elapsed()), peakResidentMb() - peakBefore};
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool underAddressSanitizer = true;
#else
constexpr bool underAddressSanitizer = false;
#endif
// AddressSanitizer keeps freed memory in quarantine, so peak memory says nothing under it, and
// records a full stack for every allocation, which makes heavy work many times slower: the time
// limits are scaled and the largest inputs shrunk there.
constexpr bool peakMemoryIsMeaningful = !underAddressSanitizer;
constexpr int sanitizerSlowdown = underAddressSanitizer ? 20 : 1;

// Writes a file of the given size by repeating a block, without holding the whole file in memory.
inline bool writeRepeated(const QString &path, const QByteArray &head, const QByteArray &block, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(head) != head.size())
        return false;
    for (qint64 written = head.size(); written < size; written += block.size()) {
        if (file.write(block) != block.size())
            return false;
    }
    return true;
}
