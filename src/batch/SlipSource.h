#pragma once

#include "batch/Hub3aTable.h"

#include <functional>
#include <optional>

// A batch's slips one at a time, in order, and nothing after the last: a list, or a table read
// while the slips are output, so that a long batch need not hold every slip at once.
using SlipSource = std::function<std::optional<NumberedSlip>()>;

// The slips of a list, which must outlive the source.
inline SlipSource slipsOf(const QList<NumberedSlip> &slips)
{
    return [&slips, next = qsizetype(0)]() mutable -> std::optional<NumberedSlip> {
        if (next >= slips.size())
            return std::nullopt;
        return slips[next++];
    };
}
