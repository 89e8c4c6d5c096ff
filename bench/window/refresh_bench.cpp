// The Server Console's player refresh: how much processor time one refresh (getstatus and rcon
// status, the header and the player table redrawn) costs the window, against the native stand-in
// answering on loopback. Prints the processor time per refresh and what it makes of one core at
// the default 10-second period.
//   usage: refresh_bench STANDIN WORK REFRESHES
#include "app/FrmServerConsole.h"
#include "app/RconSession.h"
#include "profile/ServerProfile.h"
#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "support/platform/Clock.h"
#include "support/platform/PlatformServices.h"
#include "support/platform/Prompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QUdpSocket>
#include <cstdio>
#include <sys/resource.h>

using namespace fw;

namespace {

class SilentPrompter : public Prompter {
public:
    Answer show(const MessageBox& box) override { return box.defaultAnswer; }
    QString chooseFile(const FileDialogRequest&) override { return QString(); }
};

double processorSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

quint16 freePort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: refresh_bench STANDIN WORK REFRESHES\n");
        return 2;
    }
    const QString work = args[2];
    const int refreshes = args[3].toInt();
    const quint16 port = freePort();

    QProcess standin;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FORTWRIGHT_STANDIN_NO_RATE_LIMIT"), QStringLiteral("1"));
    standin.setProcessEnvironment(env);
    standin.setWorkingDirectory(work);
    standin.start(args[1],
        { QStringLiteral("+set"), QStringLiteral("net_port"), QString::number(port), QStringLiteral("+set"),
            QStringLiteral("rconpassword"), QStringLiteral("secret") });
    if (!standin.waitForReadyRead(5000))
        return 1;

    SilentPrompter prompter;
    SystemPlatformServices services;
    Clock clock;
    ErrorReporter errors(work, prompter, clock);
    AppContext ctx { work, work, work, prompter, services, clock, errors,
        work + QStringLiteral("/store.json") };
    ServerProfile profile;
    profile.setValue(SettingGroup::txtAdministration, 13, QStringLiteral("secret"));
    profile.setValue(SettingGroup::txtAdministration, 16, QString::number(port));
    FrmServerConsole console;
    console.show();
    RconSession session(console, profile, ctx);

    // Each refresh asks twice; the next starts when both are answered.
    int answers = 0;
    QObject::connect(&session.client(), &RconClient::answered, [&](const RconReply& reply) {
        if (!reply.ok())
            std::fprintf(stderr, "no answer: %s\n", qPrintable(reply.message));
        if (++answers % 2 == 0) {
            if (answers / 2 < refreshes)
                session.refresh();
            else
                app.quit();
        }
    });
    QElapsedTimer wall;
    wall.start();
    const double before = processorSeconds();
    session.refresh();
    app.exec();
    const double perRefresh = (processorSeconds() - before) / refreshes;
    std::printf("refreshes\t%d\nwall time per refresh (ms)\t%.1f\nprocessor time per refresh (ms)\t%.3f\n"
                "share of one core at a 10 s period (%%)\t%.4f\n",
        refreshes, double(wall.elapsed()) / refreshes, perRefresh * 1000, perRefresh / 10 * 100);
    standin.kill();
    standin.waitForFinished();
    return 0;
}
