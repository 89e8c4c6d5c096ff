#include "HostingKit.h"
#include "ServerTestKit.h"
#include "profile/ServerProfile.h"
#include "server/ControlButtons.h"
#include "server/ServerMessenger.h"
#include "server/hosting/LogFollower.h"
#include "server/hosting/LogRotation.h"
#include "server/hosting/ServerPidFile.h"
#include "support/errors/FortwrightError.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUdpSocket>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Hosted = HostingFixture;

QString startFailure(HostedServer& server, const HostCommand& command, quint16 port)
{
    try {
        server.start(command, port);
    } catch (const FortwrightError& e) {
        return e.description();
    }
    return u"(started)"_s;
}

bool reachesState(HostedServer& server, HostState state, int timeoutMs = 5000)
{
    return waitUntil([&] { return server.status().state == state; }, timeoutMs);
}

} // namespace

TEST_F(Hosted, StartsWithTheArgumentsTakesCommandsAndStopsThroughQuit)
{
    auto server = makeServer();
    QStringList seen;
    QObject::connect(server.get(), &HostedServer::output, [&](const QStringList& lines) { seen += lines; });
    const quint16 port = freePort();
    const QStringList arguments { u"+set"_s, u"net_port"_s, QString::number(port), u"+exec"_s,
        u"fw test.cfg"_s };
    server->start(standin(arguments), port);
    ASSERT_TRUE(reachesState(*server, HostState::Running));
    EXPECT_EQ(server->status().since, clock.now());
    EXPECT_TRUE(server->isRunning());

    // Each argument arrives whole, in the game folder.
    for (qsizetype i = 0; i < arguments.size(); ++i)
        EXPECT_TRUE(seen.contains(u"argument %1: %2"_s.arg(i + 1).arg(arguments.at(i)))) << i;
    EXPECT_TRUE(seen.contains(u"working folder: "_s + QFileInfo(gameDir).canonicalFilePath()));
    EXPECT_EQ(server->recentLines(), seen);
    EXPECT_TRUE(readPidFile(files.pidFile).has_value());

    EXPECT_EQ(startFailure(*server, standin({}), port),
        u"The server Fortwright started is already running (PID %1)."_s.arg(server->status().pid));
    EXPECT_THROW(server->send(u"say a\nquit"_s), FortwrightError);
    server->send(u"say hello there"_s);
    EXPECT_TRUE(waitUntil([&] { return seen.contains(u"console: hello there"_s); }));

    server->stop(std::chrono::seconds(5));
    ASSERT_TRUE(reachesState(*server, HostState::Stopped));
    EXPECT_EQ(server->status().exitStatus, 0);
    EXPECT_TRUE(seen.contains(u"----- Server Shutdown (Server quit) -----"_s));
    EXPECT_EQ(statusText(server->status()), u"stopped at 2001-09-09 01:46:40 (exit status 0)"_s);
    EXPECT_FALSE(QFileInfo::exists(files.pidFile));
    EXPECT_THROW(server->send(u"status"_s), FortwrightError) << "no server, no command";
}

TEST_F(Hosted, StopSendsSigtermWhenQuitIsIgnored)
{
    setSwitch("FORTWRIGHT_STANDIN_IGNORE_QUIT", "1");
    auto server = makeServer();
    const quint16 port = freePort();
    server->start(standin({ u"+set"_s, u"net_port"_s, QString::number(port) }), port);
    ASSERT_TRUE(reachesState(*server, HostState::Running));
    EXPECT_TRUE(server->stopAndWait(std::chrono::milliseconds(300)));
    const HostStatus status = server->status();
    EXPECT_EQ(status.state, HostState::Stopped) << "a SIGTERM shutdown line is no crash";
    EXPECT_EQ(status.exitStatus, 1);
    EXPECT_TRUE(server->recentLines().contains(u"quit ignored"_s));
    EXPECT_TRUE(server->recentLines().contains(u"----- Server Shutdown (Received signal 15) -----"_s));
}

TEST_F(Hosted, ACrashIsSeenRestartedAndGivenUpAfterTheLimit)
{
    limits.restarts = 2;
    auto server = makeServer();
    QStringList notices;
    QObject::connect(server.get(), &HostedServer::notice, [&](const QString& text) { notices += text; });
    const quint16 port = freePort();
    const HostCommand command = standin({ u"+set"_s, u"net_port"_s, QString::number(port) });

    server->start(command, port);
    ASSERT_TRUE(reachesState(*server, HostState::Running));
    server->send(u"crash"_s);
    ASSERT_TRUE(waitUntil([&] { return !server->isRunning(); }));
    EXPECT_EQ(server->status().state, HostState::Crashed);
    EXPECT_EQ(server->status().signal, 11);
    EXPECT_TRUE(notices.isEmpty()) << "restarting is off by default";

    server->setRestartOnCrash(true);
    server->start(command, port);
    for (int crash = 1; crash <= 2; ++crash) {
        ASSERT_TRUE(reachesState(*server, HostState::Running)) << crash;
        const qint64 pid = server->status().pid;
        server->send(u"crash"_s);
        ASSERT_TRUE(waitUntil([&] { return server->status().pid != pid && server->isRunning(); })) << crash;
        ASSERT_EQ(notices.size(), crash);
        EXPECT_EQ(notices.last(),
            u"Restarting the server because it crashed (signal 11) (restart %1 of at most 2 in 10 minutes)."_s
                .arg(crash));
    }
    ASSERT_TRUE(reachesState(*server, HostState::Running));
    server->send(u"crash"_s);
    ASSERT_TRUE(waitUntil([&] { return notices.size() == 3; }));
    EXPECT_TRUE(notices.last().contains(u"restarted 2 times within 10 minutes, so Fortwright gives up"_s));
    spinEvents(200);
    EXPECT_FALSE(server->isRunning());
    EXPECT_EQ(statusText(server->status()), u"crashed at 2001-09-09 01:46:40 (signal 11)"_s);
    QFile log(files.logFile);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        log.readAll().count("----- Fortwright: Restarting the server because it crashed (signal 11)"), 2)
        << "every restart is logged with its reason";
}

TEST_F(Hosted, FailuresToStartSayWhyWithTheServersLastLines)
{
    auto server = makeServer();
    const quint16 port = freePort();
    const QString text = QDir(gameDir).filePath(u"omohaaded"_s);
    writeBytes(text, "not a program");
    EXPECT_TRUE(startFailure(*server, { text, {}, gameDir, true }, port)
                    .startsWith(QDir::toNativeSeparators(text) + u" is not an executable program"_s));

    setSwitch("FORTWRIGHT_STANDIN_EXIT", "3");
    const QString early = startFailure(*server, standin({ u"+map"_s, u"dm/mohdm1"_s }), port);
    EXPECT_TRUE(early.startsWith(u"The server ended as soon as it started (stopped at "_s))
        << early.toStdString();
    EXPECT_TRUE(early.contains(u"(exit status 3)"_s)) << early.toStdString();
    EXPECT_TRUE(
        early.endsWith(u"argument 2: dm/mohdm1\nworking folder: %1\nExiting at once as told (status 3)"_s.arg(
            QFileInfo(gameDir).canonicalFilePath())))
        << early.toStdString();
    qunsetenv("FORTWRIGHT_STANDIN_EXIT");

    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::AnyIPv4, port, QAbstractSocket::DontShareAddress));
    EXPECT_TRUE(startFailure(*server, standin({}), port)
                    .startsWith(u"UDP port %1 on this computer is already in use"_s.arg(port)));
    EXPECT_FALSE(server->isRunning());
}

TEST_F(Hosted, TheServerOutlivesItsSupervisorAndALaterOneAttaches)
{
    const quint16 port = freePort();
    qint64 pid = 0;
    {
        auto first = makeServer();
        first->start(standin({ u"+set"_s, u"net_port"_s, QString::number(port) }), port);
        ASSERT_TRUE(reachesState(*first, HostState::Running));
        pid = first->status().pid;
    }
    spinEvents(100);
    EXPECT_EQ(::waitpid(pid_t(pid), nullptr, WNOHANG), 0) << "still running";

    auto later = makeServer();
    QStringList seen;
    QObject::connect(later.get(), &HostedServer::output, [&](const QStringList& lines) { seen += lines; });
    ASSERT_TRUE(later->attach());
    EXPECT_EQ(later->status().state, HostState::Running);
    EXPECT_EQ(later->status().pid, pid);
    EXPECT_TRUE(holdsLine(seen, u"------ Server Initialization Complete ------"_s)) << "the log's tail";
    later->send(u"say still here"_s);
    EXPECT_TRUE(waitUntil([&] { return seen.contains(u"console: still here"_s); }));
    EXPECT_TRUE(later->stopAndWait(std::chrono::seconds(5)));
    EXPECT_EQ(later->status().state, HostState::Stopped);
    EXPECT_FALSE(makeServer()->attach()) << "nothing left to attach to";

    // A PID file naming a process that is not the server (a reused PID) is stale.
    ServerPidRecord stale { ::getpid(), 1, standin({}), port };
    ASSERT_TRUE(writePidFile(files.pidFile, stale));
    EXPECT_FALSE(makeServer()->attach());
    EXPECT_FALSE(QFileInfo::exists(files.pidFile));
}

TEST(HostedLog, RotatesByCopyAndTruncateAndTheFollowerStartsOver)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(u"server.log"_s);
    writeBytes(log, "one\ntwo\n");
    LogFollower follower(log);
    EXPECT_EQ(follower.tail(1), QStringList { u"two"_s });
    QFile append(log);
    ASSERT_TRUE(append.open(QIODevice::Append));
    append.write("three\npart");
    append.flush();
    EXPECT_EQ(follower.readNew(), QStringList { u"three"_s }) << "a line still being written waits";

    EXPECT_FALSE(rotateLogIfLarge(log, 100, 2));
    ASSERT_TRUE(rotateLogIfLarge(log, 4, 2));
    for (const QByteArray round : { QByteArray("second\n"), QByteArray("third\n") }) {
        append.write(round);
        append.flush();
        ASSERT_TRUE(rotateLogIfLarge(log, 4, 2));
    }
    EXPECT_EQ(readBytes(log + u".1"_s), QByteArray("third\n"));
    EXPECT_EQ(readBytes(log + u".2"_s), QByteArray("second\n")) << "two kept, the oldest dropped";
    EXPECT_FALSE(QFileInfo::exists(log + u".3"_s));
    EXPECT_EQ(readBytes(log), QByteArray());
    append.write("ial\r\nfour\n");
    append.flush();
    EXPECT_EQ(follower.readNew(), QStringList({ u"ial"_s, u"four"_s }))
        << "the same file, read from its start";
}

TEST_F(Hosted, ASecondRunAsksAndNeverStartsASecondServer)
{
    TestContext t;
    const QString program = QDir(t.context.gamePath).filePath(u"omohaaded"_s);
    writeBytes(
        program, "#!/bin/sh\nexec '" + builtProgram("fortwright-standin-omohaaded").toUtf8() + "' \"$@\"\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ServerProfile profile;
    profile.setValue(SettingGroup::txtAdministration, 1, u"Test"_s);
    const quint16 port = freePort();
    profile.setValue(SettingGroup::txtAdministration, 16, QString::number(port));
    profile.rotation.rows = { { "mohdm1", "ffa team round", "" } };
    ServerMessenger messenger(profile, t.context);
    auto server = makeServer();
    ControlButtons buttons(profile, t.context, messenger, { server.get(), {} });

    ASSERT_TRUE(buttons.run());
    EXPECT_TRUE(t.services.started.isEmpty()) << "a native server is not launched the documented way";
    ASSERT_TRUE(reachesState(*server, HostState::Running));
    EXPECT_TRUE(server->recentLines().contains(u"argument 6: %1"_s.arg(port)))
        << "the launch line's arguments";
    const qint64 first = server->status().pid;

    const MessageBox asked { u"The server Fortwright started is running (PID %1). Stop it and start it again "
                             "with these settings?        "_s.arg(first),
        kAppTitle, MessageIcon::Question, MessageButtons::YesNo, Answer::No };
    t.prompter.answer(Answer::No);
    EXPECT_FALSE(buttons.run());
    EXPECT_EQ(t.prompter.boxes().last(), asked);
    EXPECT_EQ(server->status().pid, first);
    EXPECT_TRUE(server->isRunning());

    t.prompter.answer(Answer::Yes);
    ASSERT_TRUE(buttons.run());
    EXPECT_EQ(t.prompter.boxes().last(), asked);
    EXPECT_EQ(::waitpid(pid_t(first), nullptr, WNOHANG), -1) << "the first one ended and was reaped";
    EXPECT_NE(server->status().pid, first);
    EXPECT_TRUE(server->isRunning());

    // Choosing the Windows server for a Run starts it through wine, not the native one found.
    const QString windows = QDir(t.context.gamePath).filePath(u"MOHAA_server.exe"_s);
    writeBytes(windows, "MZ");
    t.services.executablesOnPath = { u"wine"_s };
    buttons.setServerProgram(windows);
    t.prompter.answer(Answer::Yes);
    ASSERT_TRUE(buttons.run());
    EXPECT_FALSE(server->isRunning()) << "the one it replaced";
    ASSERT_EQ(t.services.started.size(), 1);
    EXPECT_EQ(t.services.started[0].program, u"/usr/bin/wine"_s);
    EXPECT_EQ(t.services.started[0].arguments.value(0), QDir::toNativeSeparators(windows));
    QDir::setCurrent(QDir::tempPath());
}

// A server this process did not start (an earlier Fortwright's, long gone): its end is seen in
// the process table, without an exit status, and a crash line in its log still tells a crash.
TEST_F(Hosted, AnAttachedServersEndIsSeenWithoutItsExitStatus)
{
    for (const bool crashes : { false, true }) {
        SCOPED_TRACE(crashes ? "crash line" : "plain end");
        qint64 pid = 0;
        ASSERT_TRUE(QProcess::startDetached(u"sleep"_s, { u"30"_s }, dir.path(), &pid));
        ASSERT_TRUE(waitUntil([&] { return processStartTime(pid).has_value(); }));
        writeBytes(files.logFile, "------ Server Initialization Complete ------\n");
        ASSERT_TRUE(writePidFile(files.pidFile, { pid, *processStartTime(pid), standin({}), 12203, {}, {} }));

        auto server = makeServer();
        ASSERT_TRUE(server->attach());
        EXPECT_EQ(server->status().state, HostState::Running);
        if (crashes) {
            QFile log(files.logFile);
            ASSERT_TRUE(log.open(QIODevice::Append));
            log.write("----- Server Shutdown (Received signal 11) -----\n");
            log.close();
            ASSERT_TRUE(reachesState(*server, HostState::Crashed));
        }
        ::kill(pid_t(pid), SIGKILL);
        ASSERT_TRUE(waitUntil([&] { return !server->isRunning(); }));
        spinEvents(100);
        const HostStatus status = server->status();
        EXPECT_EQ(status.state, crashes ? HostState::Crashed : HostState::Stopped);
        EXPECT_EQ(status.exitStatus, -1);
        EXPECT_EQ(statusText(status),
            crashes
                ? u"crashed at 2001-09-09 01:46:40 (signal 11)"_s
                : u"stopped at 2001-09-09 01:46:40 (exit status unknown: Fortwright did not start this process)"_s);
    }
}
