#pragma once

#include "server/hosting/HostedServer.h"
#include "testkit/FakeClock.h"

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace fw::test {

// A data folder and a game folder for hosted stand-in servers, and the certainty that every
// server a test started is killed when it ends, whichever supervisor started it.
struct HostingFixture : ::testing::Test {
    void SetUp() override;
    void TearDown() override;

    // A supervisor on the data folder with short limits; its servers are remembered for the end.
    std::unique_ptr<HostedServer> makeServer();
    // The stand-in native server, started with these arguments in the game folder.
    HostCommand standin(const QStringList& arguments) const;
    // A UDP port nobody holds just now.
    static quint16 freePort();
    // Sets a stand-in switch (FORTWRIGHT_STANDIN_...) until the test ends.
    void setSwitch(const char* name, const QByteArray& value);

    QTemporaryDir dir;
    QString dataDir;
    QString gameDir;
    HostFiles files;
    FakeClock clock;
    HostLimits limits;
    QSet<qint64> pids;
    QList<QByteArray> switches;
};

} // namespace fw::test
