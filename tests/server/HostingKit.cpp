#include "HostingKit.h"

#include "ServerTestKit.h"

#include <QDir>
#include <QUdpSocket>
#include <csignal>
#include <sys/wait.h>

namespace fw::test {

void HostingFixture::SetUp()
{
    ensureCoreApplication();
    ASSERT_TRUE(dir.isValid());
    dataDir = dir.filePath(QStringLiteral("data"));
    gameDir = dir.filePath(QStringLiteral("game"));
    QDir().mkpath(dataDir);
    QDir().mkpath(gameDir + QStringLiteral("/main"));
    files = HostFiles::inDataFolder(dataDir);
    limits.earlyExit = std::chrono::milliseconds(1500);
    limits.killWait = std::chrono::milliseconds(500);
    limits.pollInterval = std::chrono::milliseconds(20);
}

void HostingFixture::TearDown()
{
    for (const QByteArray& name : switches)
        qunsetenv(name.constData());
    for (const qint64 pid : pids) {
        // Only a child not yet reaped is killed: a reaped PID may already be someone else's.
        if (::waitpid(pid_t(pid), nullptr, WNOHANG) == 0) {
            ::kill(pid_t(pid), SIGKILL);
            ::waitpid(pid_t(pid), nullptr, 0);
        }
    }
}

std::unique_ptr<HostedServer> HostingFixture::makeServer()
{
    auto server = std::make_unique<HostedServer>(files, clock);
    server->setLimits(limits);
    QObject::connect(server.get(), &HostedServer::statusChanged, [this](const HostStatus& status) {
        if (status.pid > 0)
            pids.insert(status.pid);
    });
    return server;
}

HostCommand HostingFixture::standin(const QStringList& arguments) const
{
    return { builtProgram("fortwright-standin-omohaaded"), arguments, gameDir, true };
}

quint16 HostingFixture::freePort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::AnyIPv4, 0, QAbstractSocket::DontShareAddress);
    return probe.localPort();
}

void HostingFixture::setSwitch(const char* name, const QByteArray& value)
{
    qputenv(name, value);
    switches.append(name);
}

} // namespace fw::test
