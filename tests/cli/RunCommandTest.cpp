#include "CliRun.h"
#include "profile/ListFiles.h"
#include "testkit/BuiltPrograms.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace fw;

// The whole road on the stand-in game folder: run writes the configuration, starts the stand-in
// server from the game folder and sends it the status command, which the stand-in logs.
TEST(RunCommand, StartsTheStandInServerAndSendsItTheStatusCommand)
{
    test::ensureCoreApplication();
    QTemporaryDir dir;
    const QString game = dir.filePath(QStringLiteral("game"));
    const QString data = dir.filePath(QStringLiteral("data"));
    QDir().mkpath(data);
    ASSERT_EQ(QProcess::execute(test::builtProgram("fortwright-demo-game"), { game }), 0);
    ListFiles::writeRotation(data + QStringLiteral("/Maps.dat"), { { "mohdm1", "ffa team round", "" } });
    ListFiles::writeMessage(data + QStringLiteral("/msg.txt"), QStringLiteral("hello"));

    const QStringList base = { QStringLiteral("--data-dir"), data, QStringLiteral("--game-dir"), game };
    auto set = [&](const char* group, const char* index, const char* value) {
        return test::runTool(base + QStringList { "profile", "set", group, index, value }).code;
    };
    ASSERT_EQ(set("txtAdministration", "1", "Demo Server"), 0);
    ASSERT_EQ(set("txtAdministration", "13", "secret"), 0);
    ASSERT_EQ(set("txtAdministration", "16", "27999"), 0);
    ASSERT_EQ(set("txtSeverMessageTime", "-", "1"), 0);

    qputenv("FORTWRIGHT_STANDIN_SECONDS", "3");
    const test::CliResult run = test::runTool(base + QStringList { "run", "--seconds", "2" });
    qunsetenv("FORTWRIGHT_STANDIN_SECONDS");
    QDir::setCurrent(QDir::tempPath());
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(game + QStringLiteral("/Main/demo_server.cfg")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("rcon secret status"))) << run.out.toStdString();

    QString log;
    for (int tries = 0; tries < 50 && !log.contains(QStringLiteral("status")); ++tries) {
        QThread::msleep(100);
        QFile file(game + QStringLiteral("/standin-server.log"));
        if (file.open(QIODevice::ReadOnly))
            log = QString::fromLatin1(file.readAll());
    }
    EXPECT_TRUE(log.contains(QStringLiteral("+exec Demo_Server.cfg"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QDir(game).absolutePath())) << "started in the game folder";
}

TEST(RunCommand, FailsWithTheCheckMessage)
{
    QTemporaryDir dir;
    const test::CliResult run = test::runTool({ "--data-dir", dir.path(), "--game-dir", dir.path(), "run" });
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Fortwright requires a Config name")))
        << run.err.toStdString();
}
