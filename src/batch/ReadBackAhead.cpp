#include "batch/ReadBackAhead.h"

#include "print/Hub3aBarcodeCheck.h"

#include <algorithm>
#include <thread>

ReadBackAhead::ReadBackAhead(SlipSource slips, PrintMode mode, const QList<int> &dotsPerInch)
    : m_slips(std::move(slips)), m_mode(mode), m_dotsPerInch(dotsPerInch),
      m_ahead(std::max<qsizetype>(1, std::thread::hardware_concurrency()))
{
    startChecks();
}

void ReadBackAhead::startChecks()
{
    while (!m_exhausted && static_cast<qsizetype>(m_pending.size()) < m_ahead) {
        std::optional<NumberedSlip> slip = m_slips();
        if (!slip) {
            m_exhausted = true;
            break;
        }
        // The check takes its own copy of the record (its texts are shared, not copied).
        auto problem =
            std::async(std::launch::async, [record = slip->record, mode = m_mode, dots = m_dotsPerInch] {
                return hub3aBarcodeProblem(record, mode, dots);
            });
        m_pending.push_back({std::move(*slip), std::move(problem)});
    }
}

std::optional<ReadBackAhead::Result> ReadBackAhead::next()
{
    if (m_pending.empty())
        return std::nullopt;
    Pending pending = std::move(m_pending.front());
    m_pending.pop_front();
    // The next check starts before this one is waited for, so the workers stay busy.
    startChecks();
    return Result{std::move(pending.slip), pending.problem.get()};
}
