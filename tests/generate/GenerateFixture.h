#pragma once

#include "profile/ServerProfile.h"
#include "testkit/TestContext.h"

#include <gtest/gtest.h>

namespace fw::test {

// A fixed "now" for every generated header, a fresh context and a profile at its initial values.
class GenerateFixture : public ::testing::Test {
protected:
    GenerateFixture();
    ~GenerateFixture() override;

    // The date and time text of the fixed "now", as the headers show it.
    static QString createdStamp();
    // text with "\n" line ends turned into CR LF after every line, "@CREATED@" replaced by the
    // stamp, and encoded as Windows-1252.
    static QByteArray expectedFile(const QString& text);
    static QString lines(const QByteArray& bytes) { return QString::fromLatin1(bytes); }

    void addRotation(const QString& map, const QString& gameTypes = {});

    TestContext t;
    ServerProfile profile;
};

} // namespace fw::test
