#pragma once

#include "support/FortwrightError.h"

#include <functional>
#include <optional>

namespace fw::test {

// The FortwrightError the call raises; nothing when it raises none.
std::optional<FortwrightError> raisedBy(const std::function<void()>& call);
// Its number, 0 when nothing is raised; a raised error with another source fails the test.
qint32 raisedNumber(const QString& expectedSource, const std::function<void()>& call);

} // namespace fw::test
