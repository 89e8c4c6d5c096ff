#include "testkit/TestData.h"

#include "testkit/TestContext.h"

namespace fw::test {

QByteArray testData(const QString& name)
{
    return readBytes(QStringLiteral(FORTWRIGHT_TEST_DATA "/") + name);
}

} // namespace fw::test
