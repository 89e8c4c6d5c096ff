#pragma once

#include "support/FortwrightError.h"

#include <functional>
#include <initializer_list>
#include <optional>

namespace fw::test {

// The FortwrightError the call raises; nothing when it raises none.
std::optional<FortwrightError> raisedBy(const std::function<void()>& call);
// Its number, 0 when nothing is raised; a raised error with another source fails the test.
qint32 raisedNumber(const QString& expectedSource, const std::function<void()>& call);

// A call and the error number it must raise.
struct NumberedCall {
    std::function<void()> call;
    qint32 number;
};
// Each call raises its number, from the given source.
void expectNumbers(const QString& expectedSource, std::initializer_list<NumberedCall> rows);

} // namespace fw::test
