#pragma once

#include "profile/ServerProfile.h"
#include "testkit/TestContext.h"

#include <gtest/gtest.h>

namespace fw::test {

// A fresh context, whose clock stands still, and a profile at its initial values.
class GenerateFixture : public ::testing::Test {
protected:
    // A file under tests/data with "@CREATED@" replaced by the fixed "now" as the headers show it.
    QByteArray expectedData(const QString& name) const;
    static QString lines(const QByteArray& bytes) { return QString::fromLatin1(bytes); }

    // The only dialog shown was a save dialog with this title, filter and folder, no name filled in,
    // an overwrite prompt and the Explorer style.
    void expectSaveDialog(const QString& title, const QString& filter, const QString& initialDir) const;

    void addRotation(const QString& map, const QString& gameTypes = {});

    TestContext t;
    ServerProfile profile;
};

} // namespace fw::test
