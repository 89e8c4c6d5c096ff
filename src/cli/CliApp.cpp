#include "cli/CliApp.h"

#include "cli/CliSession.h"
#include "cli/StoredGameFolder.h"
#include "support/errors/FortwrightError.h"
#include "support/files/DataFolder.h"

namespace fw::cli {
namespace {

QString generalUsage(const CommandList& commands)
{
    QString text
        = QStringLiteral("Usage: fortwright-cli [--data-dir DIR] [--game-dir DIR] COMMAND [ARGS...]\n"
                         "Commands (--help after a command shows its usage):\n");
    for (const auto& command : commands)
        text += QStringLiteral("  %1  %2\n").arg(command->name(), -16).arg(command->summary());
    return text;
}

struct GlobalOptions {
    QString dataDir;
    QString gameDir;
    bool help = false;
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
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.help = true;
            continue;
        }
        break;
    }
    options.rest = arguments.mid(i);
    return options;
}

} // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err, const CommandList& commands,
    std::unique_ptr<PlatformServices> services)
{
    try {
        const GlobalOptions options = parseGlobalOptions(arguments);
        CliCommand* command = findCommand(commands, options.rest);
        if (!command) {
            if (options.help && options.rest.isEmpty()) {
                out << generalUsage(commands);
                return 0;
            }
            throw CliFailure { 2,
                (options.rest.isEmpty() ? QString()
                                        : QStringLiteral("Unknown command: ")
                            + options.rest.join(QLatin1Char(' ')) + QLatin1Char('\n'))
                    + generalUsage(commands) };
        }
        SessionFolders folders;
        try {
            folders = resolveSessionFolders(options.dataDir);
        } catch (const FortwrightError& e) {
            throw CliFailure { 1, e.description() };
        }
        const QString gameDir
            = options.gameDir.isEmpty() ? storedGameFolder(folders.settingsStore) : options.gameDir;
        CliSession session(out, err, folders, gameDir,
            services ? std::move(services) : std::make_unique<SystemPlatformServices>());
        QStringList commandArguments = options.rest.mid(command->words().size());
        if (options.help)
            commandArguments.prepend(QStringLiteral("--help"));
        return command->execute(session, commandArguments);
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
