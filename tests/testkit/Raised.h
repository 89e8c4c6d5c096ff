#pragma once

#include "support/errors/FortwrightError.h"

#include <functional>
#include <initializer_list>
#include <optional>

namespace fw::test {

// The FortwrightError the call raises; nothing when it raises none.
std::optional<FortwrightError> raisedBy(const std::function<void()>& call);
// Its number, 0 when nothing is raised; a raised error with another source fails the test.
qint32 raisedNumber(const QString& expectedSource, const std::function<void()>& call);

// A call and the error it must raise: its number and description.
struct NumberedCall {
    std::function<void()> call;
    qint32 number;
    const char* description;
};
// Each call raises its error, from the given source.
void expectNumbers(const QString& expectedSource, std::initializer_list<NumberedCall> rows);

} // namespace fw::test
