#pragma once

#include "support/platform/Clock.h"

#include <QTimeZone>

namespace fw::test {

// A "now" that stands still, so dated output is the same on every run. 1000000000 is
// 09/09/2001 01:46:40 UTC.
class FakeClock : public Clock {
public:
    FakeClock() = default;
    explicit FakeClock(const QDateTime& fixed)
        : at(fixed)
    {
    }
    QDateTime now() const override { return at; }

    QDateTime at = QDateTime::fromSecsSinceEpoch(1000000000, QTimeZone::utc());
};

} // namespace fw::test
