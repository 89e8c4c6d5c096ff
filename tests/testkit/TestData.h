#pragma once

#include <QByteArray>
#include <QString>

namespace fw::test {

// The bytes of a file under tests/data, exactly as stored; a missing file fails the test.
QByteArray testData(const QString& name);

} // namespace fw::test
