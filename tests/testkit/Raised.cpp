#include "testkit/Raised.h"
#include "testkit/QtPrinters.h"

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
    for (const auto& [call, number, description] : rows) {
        SCOPED_TRACE(row++);
        const auto error = raisedBy(call);
        if (!error) {
            ADD_FAILURE() << "nothing raised; expected " << description;
            continue;
        }
        EXPECT_EQ(error->number(), number);
        EXPECT_EQ(error->source(), expectedSource);
        // The store's own reason may follow the documented text after a colon.
        EXPECT_EQ(error->description().section(QStringLiteral(": "), 0, 0), QString::fromLatin1(description));
    }
}

} // namespace fw::test
