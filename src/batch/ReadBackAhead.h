#pragma once

#include "batch/SlipSource.h"
#include "render/LayoutStyle.h"

#include <QList>
#include <QString>

#include <deque>
#include <future>
#include <optional>

// The barcode read-back of a batch's slips (hub3aBarcodeProblem), run on worker threads a few
// slips ahead of the slip being drawn, so that drawing and reading back share the machine's cores.
// Results come in the slips' order, each once its slip's barcode has been read back; at most one
// check per core is under way, and only the slips under way are held, so memory stays flat however
// long the batch. Checks under way are waited for when the object goes (a cancelled batch).
class ReadBackAhead
{
public:
    ReadBackAhead(SlipSource slips, PrintMode mode, const QList<int> &dotsPerInch);
    // slips must outlive the object.
    ReadBackAhead(const QList<NumberedSlip> &slips, PrintMode mode, const QList<int> &dotsPerInch)
        : ReadBackAhead(slipsOf(slips), mode, dotsPerInch)
    {
    }
    ReadBackAhead(const ReadBackAhead &) = delete;
    ReadBackAhead &operator=(const ReadBackAhead &) = delete;

    struct Result
    {
        NumberedSlip slip;
        std::optional<QString> problem; // why its barcode would not scan; nothing when it reads back
    };

    // The next slip and its result, in order from the first, or nothing after the last. Waits for
    // its check when that is still under way.
    std::optional<Result> next();

private:
    struct Pending
    {
        NumberedSlip slip;
        std::future<std::optional<QString>> problem;
    };

    void startChecks();

    SlipSource m_slips;
    const PrintMode m_mode;
    const QList<int> m_dotsPerInch;
    const qsizetype m_ahead;
    bool m_exhausted = false;
    std::deque<Pending> m_pending; // last, so it goes first
};
