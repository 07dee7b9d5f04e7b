#pragma once

#include "model/Clock.h"

#include <QDateTime>

#include <utility>

// A clock that stands at time until a test moves it.
class FixedClock final : public Clock
{
public:
    FixedClock() = default;
    explicit FixedClock(QDateTime at) : time(std::move(at)) {}
    QDateTime now() const override { return time; }

    QDateTime time{QDate(2001, 12, 6), QTime(9, 5, 3)};
};
