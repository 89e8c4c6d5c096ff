#include "cli/RunCommand.h"

#include "cli/CliProfile.h"
#include "cli/CliSession.h"
#include "cli/PreflightGate.h"
#include "server/ControlButtons.h"
#include "server/RconDatagram.h"
#include "server/ServerMessenger.h"

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
    return { QStringLiteral("seconds"), QStringLiteral("Stop sending messages after this many seconds."),
        QStringLiteral("N") };
}

} // namespace

QString RunCommand::summary() const
{
    return QStringLiteral("write the files, start the server and send its timed messages until Ctrl-C");
}

QList<QCommandLineOption> RunCommand::options() const
{
    return { profileOption(), secondsOption(), forceOption() };
}

QString RunCommand::usageNote() const
{
    return checkedWriteNote();
}

void RunCommand::run(CliSession& session, const QCommandLineParser& parser, const QStringList&)
{
    AppContext& ctx = session.gameContext();
    ServerProfile profile = quietWindowProfile(session, parser);
    checkBeforeWriting(session, parser, profile, QStringLiteral("run"));
    ServerMessenger messenger(profile, ctx);
    QObject::connect(&messenger, &ServerMessenger::datagramSent,
        [&session](const QByteArray& datagram) { session.out() << readableDatagram(datagram) << Qt::endl; });
    ControlButtons buttons(profile, ctx, messenger);
    if (!buttons.run())
        CliSession::fail(QString());
    session.out() << QStringLiteral("Server started from %1").arg(ctx.gamePath) << Qt::endl;
    if (!messenger.isArmed())
        return;

    interrupted = false;
    auto* previous = std::signal(SIGINT, onInterrupt);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [] {
        if (interrupted)
            QCoreApplication::quit();
    });
    watch.start(200);
    bool ok = false;
    const int seconds = parser.value(secondsOption().names().constFirst()).toInt(&ok);
    if (ok && seconds > 0)
        QTimer::singleShot(seconds * 1000, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();
    std::signal(SIGINT, previous);
}

} // namespace fw::cli
