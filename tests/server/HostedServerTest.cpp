#include "HostingKit.h"
#include "ServerTestKit.h"
#include "server/hosting/LogFollower.h"
#include "server/hosting/LogRotation.h"
#include "server/hosting/ServerPidFile.h"
#include "support/errors/FortwrightError.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool reachesState(HostedServer& server, HostState state)
{
    return waitUntil([&] { return server.status().state == state; }, 5000);
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
    for (qsizetype i = 0; i < arguments.size(); ++i) // each whole, in the game folder
        EXPECT_TRUE(seen.contains(u"argument %1: %2"_s.arg(i + 1).arg(arguments.at(i)))) << i;
    EXPECT_TRUE(seen.contains(u"working folder: "_s + QFileInfo(gameDir).canonicalFilePath()));

    server->send(u"say hello there"_s);
    EXPECT_TRUE(waitUntil([&] { return seen.contains(u"console: hello there"_s); }));
    server->stop(std::chrono::seconds(5));
    ASSERT_TRUE(reachesState(*server, HostState::Stopped));
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
    server->start(standin({}), port);
    ASSERT_TRUE(reachesState(*server, HostState::Running));
    EXPECT_TRUE(server->stopAndWait(std::chrono::milliseconds(300)));
    EXPECT_EQ(statusText(server->status()), u"stopped at 2001-09-09 01:46:40 (exit status 1)"_s)
        << "a SIGTERM shutdown is no crash";
    EXPECT_TRUE(server->recentLines().contains(u"----- Server Shutdown (Received signal 15) -----"_s));
}

TEST_F(Hosted, ACrashIsSeenRestartedAndGivenUpAfterTheLimit)
{
    limits.restarts = 2;
    auto server = makeServer();
    QStringList notices;
    QObject::connect(server.get(), &HostedServer::notice, [&](const QString& text) { notices += text; });
    const quint16 port = freePort();
    const auto crashAndWait = [&](const std::function<bool()>& done) {
        server->send(u"crash"_s);
        return waitUntil(done);
    };
    server->start(standin({}), port);
    ASSERT_TRUE(reachesState(*server, HostState::Running));
    ASSERT_TRUE(crashAndWait([&] { return !server->isRunning(); }));
    EXPECT_TRUE(notices.isEmpty()) << "restarting is off by default";

    server->setRestartOnCrash(true);
    server->start(standin({}), port);
    for (int crash = 1; crash <= 3; ++crash) {
        ASSERT_TRUE(reachesState(*server, HostState::Running)) << crash;
        ASSERT_TRUE(crashAndWait([&] { return notices.size() == crash; })) << crash;
    }
    EXPECT_EQ(notices[1],
        u"Restarting the server because it crashed (signal 11) (restart 2 of at most 2 in 10 minutes)."_s);
    EXPECT_TRUE(notices[2].contains(u"restarted 2 times within 10 minutes, so Fortwright gives up"_s));
    spinEvents(200);
    EXPECT_EQ(statusText(server->status()), u"crashed at 2001-09-09 01:46:40 (signal 11)"_s);
    EXPECT_EQ(readBytes(files.logFile).count("----- Fortwright: Restarting the server because it crashed"), 2)
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
    const QString early = startFailure(*server, standin({}), port);
    EXPECT_TRUE(early.startsWith(u"The server ended as soon as it started (stopped at "_s)
        && early.contains(u"(exit status 3)"_s) && early.endsWith(u"Exiting at once as told (status 3)"_s))
        << early.toStdString();
    qunsetenv("FORTWRIGHT_STANDIN_EXIT");

    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::AnyIPv4, port, QAbstractSocket::DontShareAddress));
    EXPECT_TRUE(startFailure(*server, standin({}), port)
                    .startsWith(u"UDP port %1 on this computer is already in use"_s.arg(port)));
}

TEST_F(Hosted, TheServerOutlivesItsSupervisorAndALaterOneAttaches)
{
    const quint16 port = freePort();
    qint64 pid = 0;
    {
        auto first = makeServer();
        first->start(standin({}), port);
        ASSERT_TRUE(reachesState(*first, HostState::Running));
        pid = first->status().pid;
    }
    spinEvents(100);
    EXPECT_EQ(::waitpid(pid_t(pid), nullptr, WNOHANG), 0) << "still running";

    auto later = makeServer();
    QStringList seen;
    QObject::connect(later.get(), &HostedServer::output, [&](const QStringList& lines) { seen += lines; });
    ASSERT_TRUE(later->attach());
    EXPECT_EQ(later->status().pid, pid);
    EXPECT_TRUE(seen.contains(u"------ Server Initialization Complete ------"_s)) << "the log's tail";
    later->send(u"say still here"_s);
    EXPECT_TRUE(waitUntil([&] { return seen.contains(u"console: still here"_s); }));
    EXPECT_TRUE(later->stopAndWait(std::chrono::seconds(5)));
    EXPECT_FALSE(makeServer()->attach()) << "nothing left to attach to";

    // A PID file naming a process that is not the server (a reused PID) is stale.
    ASSERT_TRUE(writePidFile(files.pidFile, { ::getpid(), 1, standin({}), port, {}, {} }));
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
    const auto add = [&](const char* bytes) { append.write(bytes), append.flush(); };
    add("three\npart");
    EXPECT_EQ(follower.readNew(), QStringList { u"three"_s }) << "a line still being written waits";

    EXPECT_FALSE(rotateLogIfLarge(log, 100, 2));
    for (const char* round : { "", "second\n", "third\n" }) {
        add(round);
        ASSERT_TRUE(rotateLogIfLarge(log, 4, 2));
    }
    EXPECT_EQ(QList<QByteArray>({ readBytes(log + u".1"_s), readBytes(log + u".2"_s), readBytes(log) }),
        QList<QByteArray>({ "third\n", "second\n", "" }))
        << "two kept, the oldest dropped";
    EXPECT_FALSE(QFileInfo::exists(log + u".3"_s));
    add("ial\r\nfour\n");
    EXPECT_EQ(follower.readNew(), QStringList({ u"ial"_s, u"four"_s }))
        << "the same file, read from its start";
}
