#pragma once

#include <QFile>
#include <QString>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <ostream>

// Tests of huge and hostile input assert how the work grows, never how long it takes: a busy
// machine can make any action slow, but not make it grow faster than its input.

inline long peakResidentMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Growth of the process's peak resident memory over an action.
template <typename Action> long peakGrowthMbOf(Action &&action)
{
    const long peakBefore = peakResidentMb();
    action();
    return peakResidentMb() - peakBefore;
}

// The processor time this process has used: time spent waiting for a busy machine does not count.
inline std::chrono::nanoseconds processorTime()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// The processor time of an action run on a small and on a large input, the quicker of two runs of
// each, taken in turns so that a slow stretch of the machine falls on both sizes alike.
struct Growth
{
    std::chrono::nanoseconds small = std::chrono::nanoseconds::max();
    std::chrono::nanoseconds large = std::chrono::nanoseconds::max();

    // Whether the large input cost at most `limit` times the small one. Work that grows with its
    // input costs the ratio of the sizes, work that grows with their square that ratio squared; the
    // 20 ms absorb the noise of actions too quick to measure.
    bool within(double limit) const
    {
        using namespace std::chrono_literals;
        return large <= std::chrono::duration_cast<std::chrono::nanoseconds>(small * limit) + 20ms;
    }
};

inline std::ostream &operator<<(std::ostream &out, const Growth &growth)
{
    return out << "small input " << growth.small.count() / 1000 << " us, large input "
               << growth.large.count() / 1000 << " us";
}

// `action(size)` does the work on an input of that size.
template <typename Action> Growth growthOf(Action &&action, qint64 smallSize, qint64 largeSize)
{
    Growth growth;
    for (int round = 0; round < 2; ++round) {
        for (const bool large : {false, true}) {
            const auto before = processorTime();
            action(large ? largeSize : smallSize);
            auto &best = large ? growth.large : growth.small;
            best = std::min(best, processorTime() - before);
        }
    }
    return growth;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool underAddressSanitizer = true;
#else
constexpr bool underAddressSanitizer = false;
#endif
// AddressSanitizer keeps freed memory in quarantine, so peak memory says nothing under it, and
// records a full stack for every allocation, which makes heavy work many times slower: the largest
// inputs are shrunk there.
constexpr bool peakMemoryIsMeaningful = !underAddressSanitizer;

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
