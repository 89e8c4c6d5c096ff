#include "cli/MessageCommands.h"

#include "cli/CliArguments.h"
#include "cli/CliSession.h"
#include "profile/ListFiles.h"

namespace fw::cli {
namespace {

class MessageSetCommand : public CliCommand {
public:
    QStringList words() const override { return commandWords("message", "set"); }
    QString summary() const override
    {
        return QStringLiteral("set the server message text (\\n separates lines)");
    }
    QString argumentSyntax() const override { return QStringLiteral("TEXT"); }
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 1; }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList& positional) override
    {
        QString text = positional[0];
        text.replace(QLatin1String("\\n"), QLatin1String("\n"))
            .replace(QLatin1String("\r\n"), QLatin1String("\n"))
            .replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        ListFiles::writeMessage(session.context().dataPath(kMessageFile), text);
    }
};

class MessageShowCommand : public CliCommand {
public:
    QStringList words() const override { return commandWords("message", "show"); }
    bool onlyReadsData() const override { return true; }
    QString summary() const override { return QStringLiteral("print the server message text"); }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList&) override
    {
        QString text = ListFiles::readMessage(session.context().dataPath(kMessageFile));
        session.out() << text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    }
};

} // namespace

void addMessageCommands(CommandList& commands)
{
    commands.push_back(std::make_unique<MessageSetCommand>());
    commands.push_back(std::make_unique<MessageShowCommand>());
}

} // namespace fw::cli
