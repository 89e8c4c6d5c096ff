#include "cli/HostingCommands.h"

#include "cli/CliSession.h"
#include "cli/ServerChoice.h"
#include "server/hosting/HostSettings.h"
#include "server/hosting/HostedServer.h"

#include <QDir>
#include <QFileInfo>

namespace fw::cli {
namespace {

class StatusCommand : public CliCommand {
public:
    QStringList words() const override { return { QStringLiteral("status") }; }
    bool onlyReadsData() const override { return true; }
    QString summary() const override
    {
        return QStringLiteral("print the state of the server Fortwright started and where its log is");
    }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList&) override
    {
        const AppContext& ctx = session.context();
        const HostFiles files = HostFiles::inDataFolder(ctx.dataDir);
        HostedServer server(files, ctx.clock);
        session.out() << (server.attach() ? statusText(server.status()) : QStringLiteral("not running"))
                      << '\n';
        if (QFileInfo::exists(files.logFile))
            session.out() << QStringLiteral("log: ") << QDir::toNativeSeparators(files.logFile) << '\n';
    }
};

// The stop for a server whose run has ended: the one Ctrl-C gives, from any later shell.
class StopCommand : public CliCommand {
public:
    QStringList words() const override { return { QStringLiteral("stop") }; }
    QString summary() const override
    {
        return QStringLiteral(
            "stop the server Fortwright started: quit, then SIGTERM after 10 s, then SIGKILL");
    }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList&) override
    {
        const AppContext& ctx = session.context();
        HostedServer server(HostFiles::inDataFolder(ctx.dataDir), ctx.clock);
        if (!server.attach()) {
            session.out() << QStringLiteral("not running") << '\n';
            return;
        }
        const qint64 pid = server.status().pid;
        if (!server.stopAndWait())
            CliSession::fail(QStringLiteral("The server (PID %1) is still running after SIGKILL").arg(pid));
        session.out() << statusText(server.status()) << '\n';
    }
};

class ServerProgramCommand : public CliCommand {
public:
    QStringList words() const override { return { QStringLiteral("server-program") }; }
    QString summary() const override
    {
        return QStringLiteral(
            "print the server program Run starts; PATH stores a choice, --clear goes back to "
            "the one found in the game folder");
    }
    QString argumentSyntax() const override { return QStringLiteral("[PATH]"); }
    int maxArguments() const override { return 1; }
    QList<QCommandLineOption> options() const override
    {
        return { { QStringLiteral("clear"), QStringLiteral("Forget the stored choice.") } };
    }

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList& positional) override
    {
        HostSettings settings(session.context().settingsStorePath);
        if (!positional.isEmpty() && parser.isSet(QStringLiteral("clear")))
            CliSession::usage(QStringLiteral("PATH and --clear exclude each other\n") + usage());
        if (parser.isSet(QStringLiteral("clear"))) {
            settings.setServerProgram(QString());
        } else if (!positional.isEmpty()) {
            const QFileInfo program(positional.constFirst());
            if (!program.isFile() || !program.isExecutable())
                CliSession::fail(QStringLiteral("%1 is not an executable program")
                                     .arg(QDir::toNativeSeparators(positional.constFirst())));
            settings.setServerProgram(program.absoluteFilePath());
        }
        session.out() << programLine(session, QString()) << '\n';
    }
};

class RestartOnCrashCommand : public CliCommand {
public:
    QStringList words() const override { return { QStringLiteral("restart-on-crash") }; }
    QString summary() const override
    {
        return QStringLiteral(
            "print or set (on, off) whether a crashed server is started again (at most 3 times in "
            "10 minutes)");
    }
    QString argumentSyntax() const override { return QStringLiteral("[on|off]"); }
    int maxArguments() const override { return 1; }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList& positional) override
    {
        HostSettings settings(session.context().settingsStorePath);
        if (!positional.isEmpty()) {
            const QString value = positional.constFirst();
            if (value != QLatin1String("on") && value != QLatin1String("off"))
                CliSession::usage(QStringLiteral("Say on or off, not %1\n").arg(value) + usage());
            settings.setRestartOnCrash(value == QLatin1String("on"));
        }
        session.out() << (settings.restartOnCrash() ? "on" : "off") << '\n';
    }
};

} // namespace

void addHostingCommands(CommandList& commands)
{
    commands.push_back(std::make_unique<StatusCommand>());
    commands.push_back(std::make_unique<StopCommand>());
    commands.push_back(std::make_unique<ServerProgramCommand>());
    commands.push_back(std::make_unique<RestartOnCrashCommand>());
}

} // namespace fw::cli
