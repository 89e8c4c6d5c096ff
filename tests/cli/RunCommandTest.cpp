#include "CliRun.h"
#include "profile/ListFiles.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

using RunCommand = test::CliFolders;

// The whole road on the stand-in game folder: run writes the configuration, starts the stand-in
// server from the game folder and sends it the status command, which the stand-in logs.
TEST_F(RunCommand, StartsTheStandInServerAndSendsItTheStatusCommand)
{
    test::ensureCoreApplication();
    ASSERT_EQ(QProcess::execute(test::builtProgram("fortwright-demo-game"), { game }), 0);
    // Without a native server in the game folder, Run goes the documented way.
    ASSERT_TRUE(QFile::remove(game + u"/omohaaded"_s));
    ListFiles::writeRotation(file(u"Maps.dat"_s), { { "mohdm1", "ffa team round", "" } });
    ListFiles::writeMessage(file(u"msg.txt"_s), u"hello"_s);
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
    EXPECT_TRUE(QFile::exists(mainFile(u"demo_server.cfg"_s)));
    EXPECT_TRUE(run.out.contains(u"rcon secret status"_s)) << run.out.toStdString();

    QString log;
    for (int tries = 0; tries < 50 && !log.contains(u"status"_s); ++tries) {
        QThread::msleep(100);
        QFile standinLog(game + u"/standin-server.log"_s);
        if (standinLog.open(QIODevice::ReadOnly))
            log = QString::fromLatin1(standinLog.readAll());
    }
    EXPECT_TRUE(log.contains(u"+exec Demo_Server.cfg"_s)) << log.toStdString();
    EXPECT_TRUE(log.contains(QDir(game).absolutePath())) << "started in the game folder";
}

TEST_F(RunCommand, FailsWithTheCheckMessage)
{
    test::expectRun(runInGame({ "run" }), 1, u"Fortwright requires a Config name"_s, test::ErrText::Start);
}
