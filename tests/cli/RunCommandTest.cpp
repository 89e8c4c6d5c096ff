#include "CliRun.h"
#include "profile/ListFiles.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

using namespace fw;

using RunCommand = test::CliFolders;

// The whole road on the stand-in game folder: run writes the configuration, starts the stand-in
// server from the game folder and sends it the status command, which the stand-in logs.
TEST_F(RunCommand, StartsTheStandInServerAndSendsItTheStatusCommand)
{
    test::ensureCoreApplication();
    ASSERT_EQ(QProcess::execute(test::builtProgram("fortwright-demo-game"), { game }), 0);
    ListFiles::writeRotation(file(QStringLiteral("Maps.dat")), { { "mohdm1", "ffa team round", "" } });
    ListFiles::writeMessage(file(QStringLiteral("msg.txt")), QStringLiteral("hello"));
    set("txtAdministration", "1", "Demo Server");
    set("txtAdministration", "13", "secret");
    set("txtAdministration", "16", "27999");
    set("txtSeverMessageTime", "-", "1");
    ASSERT_FALSE(HasFatalFailure());

    qputenv("FORTWRIGHT_STANDIN_SECONDS", "3");
    const test::CliResult run = runInGame({ "run", "--seconds", "2" });
    qunsetenv("FORTWRIGHT_STANDIN_SECONDS");
    QDir::setCurrent(QDir::tempPath());
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(mainFile(QStringLiteral("demo_server.cfg"))));
    EXPECT_TRUE(run.out.contains(QStringLiteral("rcon secret status"))) << run.out.toStdString();

    QString log;
    for (int tries = 0; tries < 50 && !log.contains(QStringLiteral("status")); ++tries) {
        QThread::msleep(100);
        QFile standinLog(game + QStringLiteral("/standin-server.log"));
        if (standinLog.open(QIODevice::ReadOnly))
            log = QString::fromLatin1(standinLog.readAll());
    }
    EXPECT_TRUE(log.contains(QStringLiteral("+exec Demo_Server.cfg"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QDir(game).absolutePath())) << "started in the game folder";
}

TEST_F(RunCommand, FailsWithTheCheckMessage)
{
    const test::CliResult run = runInGame({ "run" });
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Fortwright requires a Config name")))
        << run.err.toStdString();
}
