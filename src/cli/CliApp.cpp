#include "cli/CliApp.h"

#include "cli/CliSession.h"
#include "cli/StoredGameFolder.h"
#include "support/errors/FortwrightError.h"
#include "support/files/DataFolder.h"

namespace fw::cli {
namespace {

QString generalUsage(const CommandList& commands)
{
    QString text = kUsageHead
        + QStringLiteral("COMMAND [ARGS...]\n"
                         "Commands (--help after a command shows its usage):\n");
    for (const auto& command : commands)
        text += QStringLiteral("  %1  %2\n").arg(command->name(), -16).arg(command->summary());
    return text;
}

// The commands whose first word is noun ("profile": "profile show", "profile set"), with the
// usage that lists them.
QList<const CliCommand*> subcommandsOf(const CommandList& commands, const QString& noun)
{
    QList<const CliCommand*> found;
    for (const auto& command : commands) {
        if (command->words().size() > 1 && command->words().constFirst() == noun)
            found.append(command.get());
    }
    return found;
}

QString subcommandUsage(const QString& noun, const QList<const CliCommand*>& subcommands)
{
    QString text = kUsageHead + noun
        + QStringLiteral(" SUBCOMMAND [ARGS...]\n"
                         "Subcommands (--help after one shows its usage):\n");
    for (const CliCommand* command : subcommands)
        text += QStringLiteral("  %1\n      %2\n").arg(command->synopsis(), command->summary());
    return text;
}

bool isHelp(const QString& argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

struct GlobalOptions {
    QString dataDir;
    QString gameDir;
    bool help = false;
    QString unknownOption;
    QStringList rest;
};

GlobalOptions parseGlobalOptions(const QStringList& arguments)
{
    GlobalOptions options;
    qsizetype i = 0;
    for (; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        auto takeValue = [&](const QString& name, QString& into) {
            if (arg.startsWith(name + QLatin1Char('='))) {
                into = arg.mid(name.size() + 1);
                return true;
            }
            if (arg != name)
                return false;
            if (i + 1 >= arguments.size())
                throw CliFailure { 2, name + QStringLiteral(" needs a folder") };
            into = arguments.at(++i);
            return true;
        };
        if (takeValue(QStringLiteral("--data-dir"), options.dataDir)
            || takeValue(QStringLiteral("--game-dir"), options.gameDir))
            continue;
        if (isHelp(arg)) {
            options.help = true;
            continue;
        }
        if (arg.size() > 1 && arg.startsWith(QLatin1Char('-'))) {
            options.unknownOption = arg;
            return options;
        }
        break;
    }
    options.rest = arguments.mid(i);
    return options;
}

// Words that name no command: a noun alone or with --help lists its subcommands; anything else
// is an unknown command.
int noCommand(const GlobalOptions& options, const CommandList& commands, QTextStream& out)
{
    const QStringList& rest = options.rest;
    if (rest.isEmpty()) {
        if (!options.help)
            throw CliFailure { 2, generalUsage(commands) };
        out << generalUsage(commands);
        return 0;
    }
    const QList<const CliCommand*> subcommands = subcommandsOf(commands, rest.constFirst());
    if (subcommands.isEmpty())
        throw CliFailure { 2,
            QStringLiteral("Unknown command: ") + rest.join(QLatin1Char(' ')) + QLatin1Char('\n')
                + generalUsage(commands) };
    const QString usage = subcommandUsage(rest.constFirst(), subcommands);
    if (options.help || (rest.size() == 2 && isHelp(rest.at(1)))) {
        out << usage;
        return 0;
    }
    throw CliFailure { 2,
        (rest.size() == 1
                ? QString()
                : QStringLiteral("Unknown command: ") + rest.join(QLatin1Char(' ')) + QLatin1Char('\n'))
            + usage };
}

} // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err, const CommandList& commands,
    std::unique_ptr<PlatformServices> services)
{
    try {
        const GlobalOptions options = parseGlobalOptions(arguments);
        if (!options.unknownOption.isEmpty())
            throw CliFailure { 2,
                QStringLiteral("Unknown option: ") + options.unknownOption + QLatin1Char('\n')
                    + generalUsage(commands) };
        CliCommand* command = findCommand(commands, options.rest);
        if (!command)
            return noCommand(options, commands, out);
        // Opened only when the command runs: its --help and its usage errors need no folders.
        std::unique_ptr<CliSession> session;
        const auto openSession = [&]() -> CliSession& {
            SessionFolders folders;
            try {
                folders = resolveSessionFolders(options.dataDir,
                    command->onlyReadsData() ? DataFolderUse::ReadOnly : DataFolderUse::Write);
            } catch (const FortwrightError& e) {
                throw CliFailure { 1, e.description() };
            }
            const QString gameDir
                = options.gameDir.isEmpty() ? storedGameFolder(folders.settingsStore) : options.gameDir;
            session = std::make_unique<CliSession>(out, err, folders, gameDir,
                services ? std::move(services) : std::make_unique<SystemPlatformServices>());
            return *session;
        };
        QStringList commandArguments = options.rest.mid(command->words().size());
        if (options.help)
            commandArguments.prepend(QStringLiteral("--help"));
        return command->execute(out, commandArguments, openSession);
    } catch (const CliFailure& failure) {
        if (!failure.message.isEmpty())
            err << ConsolePrompter::consoleText(failure.message) << Qt::endl;
        return failure.exitCode;
    } catch (const std::exception& e) {
        const FortwrightError error = FortwrightError::fromStd(e);
        err << QStringLiteral("Error %1 in %2: %3")
                   .arg(error.number())
                   .arg(error.source(), error.description())
            << Qt::endl;
        return 1;
    }
}

} // namespace fw::cli
