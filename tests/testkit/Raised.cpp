#include "testkit/Raised.h"

#include <gtest/gtest.h>

namespace fw::test {

std::optional<FortwrightError> raisedBy(const std::function<void()>& call)
{
    try {
        call();
    } catch (const FortwrightError& e) {
        return e;
    }
    return std::nullopt;
}

qint32 raisedNumber(const QString& expectedSource, const std::function<void()>& call)
{
    const auto error = raisedBy(call);
    if (!error)
        return 0;
    EXPECT_EQ(error->source().toStdString(), expectedSource.toStdString())
        << error->description().toStdString();
    return error->number();
}

void expectNumbers(const QString& expectedSource, std::initializer_list<NumberedCall> rows)
{
    int row = 0;
    for (const auto& [call, number] : rows)
        EXPECT_EQ(raisedNumber(expectedSource, call), number) << "row " << row++;
}

} // namespace fw::test
