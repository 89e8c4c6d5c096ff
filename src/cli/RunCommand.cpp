#include "cli/RunCommand.h"

#include "cli/CliProfile.h"
#include "cli/CliSession.h"
#include "cli/PreflightGate.h"
#include "cli/ServerChoice.h"
#include "cli/ServerConsole.h"
#include "server/ControlButtons.h"
#include "server/RconDatagram.h"
#include "server/ServerMessenger.h"
#include "server/hosting/HostedServer.h"
#include "support/platform/Clock.h"

#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <csignal>

namespace fw::cli {
namespace {

std::atomic_bool interrupted { false };

extern "C" void onInterrupt(int)
{
    interrupted = true;
}

QCommandLineOption secondsOption()
{
    return { QStringLiteral("seconds"),
        QStringLiteral("Stop sending messages (and following the server) after this many seconds; the server "
                       "goes on."),
        QStringLiteral("N") };
}

} // namespace

QString RunCommand::summary() const
{
    return QStringLiteral("write the files, start the server and send its timed messages until Ctrl-C");
}

QString RunCommand::usageNote() const
{
    return checkedWriteNote()
        + QStringLiteral(
            "\n  A native server (omohaaded, omohaaded.<arch> or mohaa_lnxded in the game folder, or "
            "--server PROGRAM) runs supervised: its output is printed, each line typed is sent to it, "
            "Ctrl-C stops it (quit, then SIGTERM, then SIGKILL); otherwise it outlives this command "
            "(see status).");
}

QList<QCommandLineOption> RunCommand::options() const
{
    return { profileOption(), secondsOption(), forceOption(), serverOption() };
}

void RunCommand::run(CliSession& session, const QCommandLineParser& parser, const QStringList&)
{
    AppContext& ctx = session.gameContext();
    ServerProfile profile = quietWindowProfile(session, parser);
    checkBeforeWriting(session, parser, profile, QStringLiteral("run"));
    const QString program = serverOverride(parser);
    ServerMessenger messenger(profile, ctx);
    QObject::connect(&messenger, &ServerMessenger::datagramSent,
        [&session](const QByteArray& datagram) { session.out() << readableDatagram(datagram) << Qt::endl; });
    HostedServer hosted(HostFiles::inDataFolder(ctx.dataDir), ctx.clock);
    hosted.attach(); // a server an earlier run left going: Run asks before replacing it
    ServerConsole console(hosted, session.out(), session.err());
    ControlButtons buttons(profile, ctx, messenger, { &hosted, program });
    if (!buttons.run())
        CliSession::fail(QString());
    session.out() << QStringLiteral("Server started from %1").arg(ctx.gamePath) << Qt::endl;
    const bool supervised = hosted.isRunning();
    if (!supervised && !messenger.isArmed())
        return;

    interrupted = false;
    auto* previous = std::signal(SIGINT, onInterrupt);
    bool stopping = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!interrupted)
            return;
        if (!supervised)
            QCoreApplication::quit();
        else if (!stopping)
            hosted.stop();
        stopping = true;
    });
    watch.start(200);
    if (supervised) {
        console.forwardInput();
        // The server's end ends the command, unless a restart follows at once.
        QObject::connect(&hosted, &HostedServer::statusChanged, &watch, [&hosted, &watch] {
            QTimer::singleShot(0, &watch, [&hosted] {
                if (!hosted.isRunning())
                    QCoreApplication::quit();
            });
        });
    }
    bool ok = false;
    const int seconds = parser.value(secondsOption().names().constFirst()).toInt(&ok);
    if (ok && seconds > 0)
        QTimer::singleShot(seconds * 1000, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();
    std::signal(SIGINT, previous);
    if (supervised && hosted.status().state == HostState::Crashed && !hosted.isRunning())
        CliSession::fail(QStringLiteral("The server %1").arg(statusText(hosted.status())));
}

} // namespace fw::cli
