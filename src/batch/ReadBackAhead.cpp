#include "batch/ReadBackAhead.h"

#include "print/Hub3aBarcodeCheck.h"

#include <algorithm>
#include <thread>

ReadBackAhead::ReadBackAhead(const QList<NumberedSlip> &slips, PrintMode mode, const QList<int> &dotsPerInch)
    : m_slips(slips), m_mode(mode), m_dotsPerInch(dotsPerInch),
      m_ahead(std::max<qsizetype>(1, std::thread::hardware_concurrency()))
{
    startChecks();
}

void ReadBackAhead::startChecks()
{
    while (static_cast<qsizetype>(m_pending.size()) < m_ahead && m_started < m_slips.size()) {
        const Hub3aRecord &record = m_slips[m_started++].record;
        m_pending.push_back(std::async(std::launch::async, [&record, mode = m_mode, dots = m_dotsPerInch] {
            return hub3aBarcodeProblem(record, mode, dots);
        }));
    }
}

std::optional<QString> ReadBackAhead::next()
{
    std::future<std::optional<QString>> result = std::move(m_pending.front());
    m_pending.pop_front();
    // The next check starts before this one is waited for, so the workers stay busy.
    startChecks();
    return result.get();
}
