#pragma once

#include "profile/ServerProfile.h"
#include "testkit/TestContext.h"

#include <gtest/gtest.h>

namespace fw::test {

// A fresh context, whose clock stands still, and a profile at its initial values.
class GenerateFixture : public ::testing::Test {
protected:
    // The date and time text of the fixed "now", as the headers show it.
    QString createdStamp() const;
    // text with "\n" line ends turned into CR LF after every line, "@CREATED@" replaced by the
    // stamp, and encoded as Windows-1252.
    QByteArray expectedFile(const QString& text) const;
    // A file under tests/data with "@CREATED@" replaced by the stamp.
    QByteArray expectedData(const QString& name) const;
    // The same file as text with "\n" line ends, for tests that change a few lines of it.
    static QString dataText(const QString& name);
    static QString lines(const QByteArray& bytes) { return QString::fromLatin1(bytes); }

    void addRotation(const QString& map, const QString& gameTypes = {});

    TestContext t;
    ServerProfile profile;
};

} // namespace fw::test
