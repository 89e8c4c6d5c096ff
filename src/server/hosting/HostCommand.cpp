#include "server/hosting/HostCommand.h"

#include "generate/LaunchLine.h"
#include "server/ServerLauncher.h"
#include "server/hosting/ServerProgram.h"
#include "support/files/PathHelpers.h"
#include "support/text/ShellWord.h"

#include <QDir>
#include <QStandardPaths>

namespace fw {

namespace {

const QString kExecCommand = QStringLiteral("+exec");

// MOHAA_server.exe keeps today's start, whatever it is on this system (the stand-in is one).
bool isNativeServer(const ServerProgram& program)
{
    return GetNamePart(QDir::fromNativeSeparators(program.path)).compare(kServerProgram, Qt::CaseInsensitive)
        != 0
        && !isWindowsProgram(program.path);
}

// Run writes the configuration under its lower-cased name, and a native server opens names with
// their exact case; so the server is told the name as written.
void execWrittenName(QStringList& arguments)
{
    const qsizetype exec = arguments.lastIndexOf(kExecCommand);
    if (exec >= 0 && exec + 1 < arguments.size())
        arguments[exec + 1] = arguments[exec + 1].toLower();
}

} // namespace

QString HostCommand::displayText() const
{
    QStringList words { shellWord(program) };
    for (const QString& argument : arguments)
        words << shellWord(argument);
    return words.join(QLatin1Char(' '));
}

std::optional<HostCommand> hostCommand(const LaunchValues& values, const ServerProfile& profile,
    const QString& configName, const QString& gamePath, const ServerProgram& program)
{
    const std::optional<LaunchLine> line = buildLaunchLine(values, profile, configName);
    if (!line)
        return std::nullopt;
    HostCommand command;
    command.program = QDir::toNativeSeparators(program.path);
    command.arguments = line->arguments();
    command.workingDir = gamePath;
    command.native = isNativeServer(program);
    if (command.native)
        execWrittenName(command.arguments);
    if (program.throughWine) {
        command.arguments.prepend(command.program);
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        command.program = wine.isEmpty() ? QStringLiteral("wine") : wine;
    }
    return command;
}

} // namespace fw
