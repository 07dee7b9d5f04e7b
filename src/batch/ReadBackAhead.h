#pragma once

#include "batch/Hub3aTable.h"
#include "render/LayoutStyle.h"

#include <QList>
#include <QString>

#include <deque>
#include <future>
#include <optional>

// The barcode read-back of a batch's slips (hub3aBarcodeProblem), run on worker threads a few
// slips ahead of the slip being drawn, so that drawing and reading back share the machine's cores.
// Results come in the slips' order, each once its slip's barcode has been read back; at most one
// check per core is under way, so memory stays flat however long the batch. Checks under way are
// waited for when the object goes (a cancelled batch).
class ReadBackAhead
{
public:
    // slips must outlive the object.
    ReadBackAhead(const QList<NumberedSlip> &slips, PrintMode mode, const QList<int> &dotsPerInch);
    ReadBackAhead(const ReadBackAhead &) = delete;
    ReadBackAhead &operator=(const ReadBackAhead &) = delete;

    // The next slip's result, in order from the first: why its barcode would not scan, or nothing
    // when it reads back. Waits for its check when that is still under way. Asked once a slip.
    std::optional<QString> next();

private:
    void startChecks();

    const QList<NumberedSlip> &m_slips;
    const PrintMode m_mode;
    const QList<int> m_dotsPerInch;
    const qsizetype m_ahead;
    qsizetype m_started = 0;
    std::deque<std::future<std::optional<QString>>> m_pending; // last, so it goes first
};
