#include "CliRun.h"
#include "profile/ListFiles.h"
#include "server/hosting/ServerPidFile.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QUdpSocket>
#include <csignal>

namespace {

struct HostingCommands : test::CliFolders {
    void SetUp() override
    {
        test::ensureCoreApplication();
        settings = path(u"registry.json"_s);
        qputenv("FORTWRIGHT_SETTINGS", settings.toUtf8());
    }
    // Whatever the test left running is killed: the server is no child of this process.
    void TearDown() override
    {
        if (const auto record = readPidFile(file(u"server.pid"_s)); record && recordIsAlive(*record))
            ::kill(pid_t(record->pid), SIGKILL);
        qunsetenv("FORTWRIGHT_SETTINGS");
    }
    QString settings;
};

bool waitFor(QProcess& process, const std::function<bool()>& done, int timeoutMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        process.waitForReadyRead(100);
    return done();
}

} // namespace

TEST_F(HostingCommands, ChoicesLiveInTheSettingsStoreNotTheProfile)
{
    set("txtAdministration", "1", "Demo");
    const QByteArray profile = test::readBytes(file(u"Default.ini"_s));
    const QString native = game + u"/omohaaded"_s;
    test::writeBytes(native, "#!/bin/sh\n");
    QFile::setPermissions(native, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString mine = path(u"my-server"_s);
    test::writeBytes(mine, "#!/bin/sh\n");

    EXPECT_EQ(runInGame({ "server-program" }).out, u"program: %1\n"_s.arg(native))
        << "found in the game folder";
    test::expectRun(
        runInGame({ "server-program", mine }), 1, u"%1 is not an executable program\n"_s.arg(mine));
    QFile::setPermissions(mine, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(runInGame({ "server-program", mine }).out, u"program: %1 (chosen)\n"_s.arg(mine));
    EXPECT_EQ(runInGame({ "launch-line" }).lines().at(1), u"program: %1 (chosen)"_s.arg(mine));
    const QStringList once = runInGame({ "launch-line", "--server", native }).lines();
    EXPECT_EQ(once.mid(1),
        QStringList({ u"program: %1 (chosen)"_s.arg(native),
            u"starts: %1 %2"_s.arg(native,
                once.constFirst().section(u' ', 1).replace(u"+exec Demo.cfg"_s, u"+exec demo.cfg"_s)) }))
        << "--server wins for one command; a native server execs the lower-cased file Run writes";
    EXPECT_EQ(runInGame({ "server-program", "--clear" }).out, u"program: %1\n"_s.arg(native));

    EXPECT_EQ(runInGame({ "restart-on-crash" }).out, u"off\n"_s);
    EXPECT_EQ(runInGame({ "restart-on-crash", "on" }).out, u"on\n"_s);
    EXPECT_EQ(runInGame({ "restart-on-crash" }).out, u"on\n"_s);
    EXPECT_EQ(runInGame({ "restart-on-crash", "maybe" }).code, 2);
    EXPECT_TRUE(test::readBytes(settings).contains("\"RestartOnCrash\""));
    EXPECT_EQ(test::readBytes(file(u"Default.ini"_s)), profile) << "the profile stays byte for byte";
}

// The whole road through the built tool on a Linux tree ("main" in lower case): scan and config
// use that folder, run starts the native stand-in on the file it wrote there and streams its output,
// a typed line reaches it, status attaches from another process, Ctrl-C stops the server, and
// `stop` ends one whose run was killed.
TEST_F(HostingCommands, OnALinuxTreeRunSupervisesTheNativeServerAndCtrlCOrStopEndsIt)
{
    ASSERT_EQ(QProcess::execute(test::builtProgram("fortwright-demo-game"), { game }), 0);
    ASSERT_TRUE(QDir(game).rename(u"Main"_s, u"main"_s));
    ListFiles::writeRotation(file(u"Maps.dat"_s), { { "mohdm1", "ffa team round", "" } });
    set("txtAdministration", "1", "Demo Server");
    QUdpSocket probe; // a port nobody holds just now
    ASSERT_TRUE(probe.bind(QHostAddress::AnyIPv4, 0));
    const QString port = QString::number(probe.localPort());
    probe.close();
    set("txtAdministration", "16", port);
    ASSERT_EQ(run({ "bans", "add", "10.0.0.9" }).code, 0);
    ASSERT_FALSE(HasFatalFailure());
    const QString main = game + u"/main/"_s;
    for (const char* command : { "scan", "config" })
        EXPECT_EQ(runInGame({ command }).code, 0) << command;
    QDir::setCurrent(QDir::tempPath());
    EXPECT_TRUE(test::readBytes(data + u"/Main.efr"_s).contains("user-bridges.pk3,obj_bridges"));
    EXPECT_TRUE(QFile::exists(main + u"Banned.cfg"_s) && QFile::exists(main + u"autoexec.cfg"_s));
    ASSERT_TRUE(QFile::remove(main + u"demo_server.cfg"_s));

    QProcess cli;
    cli.start(test::builtProgram("fortwright-cli"), inFolders({ u"run"_s }));
    QString out;
    QString err;
    const auto sawOut = [&](const QString& text) {
        return waitFor(cli, [&] {
            out += QString::fromUtf8(cli.readAllStandardOutput());
            err += QString::fromUtf8(cli.readAllStandardError());
            return out.contains(text) || err.contains(text);
        });
    };
    ASSERT_TRUE(sawOut(u"------ Server Initialization Complete ------"_s)) << err.toStdString();
    EXPECT_TRUE(out.contains(u"argument 6: %1\n"_s.arg(port))) << out.toStdString();
    EXPECT_TRUE(out.contains(u"argument 23: demo_server.cfg\n"_s)) << "+exec names the file Run wrote";
    EXPECT_TRUE(QFile::exists(main + u"demo_server.cfg"_s));
    EXPECT_FALSE(QDir(game + u"/Main"_s).exists()) << "no second main folder";
    cli.write("say typed here\n");
    EXPECT_TRUE(sawOut(u"console: typed here"_s)) << out.toStdString();

    const test::CliResult status = runInGame({ "status" });
    EXPECT_TRUE(status.out.startsWith(u"running since "_s)) << status.out.toStdString();
    EXPECT_TRUE(status.out.endsWith(u"\nlog: %1\n"_s.arg(file(u"server.log"_s))));

    ::kill(pid_t(cli.processId()), SIGINT);
    ASSERT_TRUE(cli.waitForFinished(15000));
    err += QString::fromUtf8(cli.readAllStandardError());
    EXPECT_EQ(cli.exitCode(), 0) << err.toStdString();
    EXPECT_TRUE(err.contains(u"Server stopped at "_s) && err.contains(u"(exit status 0)"_s))
        << err.toStdString();
    EXPECT_EQ(runInGame({ "status" }).out.section(u'\n', 0, 0), u"not running"_s);

    // A server outlives a run that was killed, and `stop` ends it from a later shell.
    out.clear();
    cli.start(test::builtProgram("fortwright-cli"), inFolders({ u"run"_s }));
    ASSERT_TRUE(sawOut(u"------ Server Initialization Complete ------"_s)) << err.toStdString();
    cli.kill();
    ASSERT_TRUE(cli.waitForFinished(5000));
    EXPECT_TRUE(runInGame({ "status" }).out.startsWith(u"running since "_s));
    const test::CliResult stop = runInGame({ "stop" });
    EXPECT_EQ(stop.code, 0) << stop.err.toStdString();
    EXPECT_TRUE(stop.out.startsWith(u"stopped"_s)) << stop.out.toStdString();
    EXPECT_EQ(runInGame({ "stop" }).out, u"not running\n"_s);
}
