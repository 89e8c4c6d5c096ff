#include "cli/RconCommands.h"

#include "cli/CliSession.h"
#include "cli/RconConnection.h"
#include "server/rcon/RconExchange.h"
#include "server/rcon/StatusParsers.h"

namespace fw::cli {
namespace {

const QString kPasswordNote = QStringLiteral("The password comes from the environment variable "
                                             "FORTWRIGHT_RCON_PASSWORD when it is set and not empty, else "
                                             "from the profile's Rcon Pass; never from an argument.");

// What the three share: their options, and reading the password only where one is needed.
class RconCommandBase : public CliCommand {
public:
    bool onlyReadsData() const override { return true; }
    QList<QCommandLineOption> options() const override { return rconOptions(); }
    QString usageNote() const override { return kPasswordNote; }
};

void printLine(QTextStream& out, const QStringList& fields)
{
    out << fields.join(QLatin1Char('\t')) << '\n';
}

class RconCommand : public RconCommandBase {
public:
    QStringList words() const override { return { QStringLiteral("rcon") }; }
    QString summary() const override
    {
        return QStringLiteral("send COMMAND to the running server over rcon and print its answer");
    }
    QString argumentSyntax() const override { return QStringLiteral("COMMAND..."); }
    int minArguments() const override { return 1; }
    int maxArguments() const override { return -1; }

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList& positional) override
    {
        const auto client = rconClientFor(session, parser);
        QString text = answerText(commandAndWait(*client, positional.join(QLatin1Char(' '))));
        if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('\n');
        session.out() << text;
    }
};

class PlayersCommand : public RconCommandBase {
public:
    QStringList words() const override { return { QStringLiteral("players") }; }
    QString summary() const override
    {
        return QStringLiteral("print the running server's players (rcon status), TAB-separated under a "
                              "header row");
    }

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList&) override
    {
        const auto client = rconClientFor(session, parser);
        const QString text = answerText(commandAndWait(*client, QStringLiteral("status")));
        const auto table = parsePlayerTable(text);
        if (!table)
            CliSession::fail(QStringLiteral("The server's answer to status holds no player table:\n") + text);
        printLine(session.out(),
            { QStringLiteral("slot"), QStringLiteral("score"), QStringLiteral("ping"), QStringLiteral("name"),
                QStringLiteral("address"), QStringLiteral("rate") });
        for (const Player& p : table->players)
            printLine(session.out(), { QString::number(p.slot), p.score, p.ping, p.name, p.address, p.rate });
    }
};

class QueryCommand : public RconCommandBase {
public:
    QStringList words() const override { return { QStringLiteral("query") }; }
    QString summary() const override
    {
        return QStringLiteral("print the running server's getstatus answer: its variables (NAME TAB VALUE), "
                              "an empty line, then its players under a header row; needs no password");
    }
    QString usageNote() const override { return {}; }

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList&) override
    {
        const auto client = rconClientFor(session, parser);
        const QString text = answerText(queryAndWait(*client));
        const auto status = parseServerStatus(text);
        if (!status)
            CliSession::fail(QStringLiteral("The server's answer to getstatus is no status:\n") + text);
        for (const auto& [name, value] : status->variables)
            printLine(session.out(), { name, value });
        session.out() << '\n';
        printLine(session.out(), { QStringLiteral("score"), QStringLiteral("ping"), QStringLiteral("name") });
        for (const Player& p : status->players)
            printLine(session.out(), { p.score, p.ping, p.name });
    }
};

} // namespace

void addRconCommands(CommandList& commands)
{
    commands.push_back(std::make_unique<RconCommand>());
    commands.push_back(std::make_unique<PlayersCommand>());
    commands.push_back(std::make_unique<QueryCommand>());
}

} // namespace fw::cli
