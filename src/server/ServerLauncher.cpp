#include "server/ServerLauncher.h"

#include "generate/LaunchLine.h"
#include "server/hosting/HostCommand.h"
#include "server/hosting/ServerProgram.h"
#include "support/AppContext.h"
#include "support/errors/FortwrightError.h"
#include "support/files/PathHelpers.h"
#include "support/platform/PlatformServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace fw {

bool isWindowsProgram(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "MZ";
}

bool launchServer(const LaunchValues& values, const ServerProfile& profile, const QString& configName,
    AppContext& ctx, const QString& storedChoice)
{
    QDir::setCurrent(ctx.gamePath);
    ServerProgram program = chooseServerProgram(ctx.gamePath, storedChoice);
    // Without any server program the launch line still decides first whether anything starts.
    if (program.isEmpty())
        program.path = addSlash(ctx.gamePath) + kServerProgram;
    std::optional<HostCommand> command = hostCommand(values, profile, configName, ctx.gamePath, program);
    if (!command)
        return false;
    const QString path = QDir::toNativeSeparators(program.path);
    if (!QFileInfo::exists(path))
        throw FortwrightError(
            RuntimeError::FileNotFound, kExecutableName, QStringLiteral("File not found: %1").arg(path));
    if (program.throughWine) {
        command->program = ctx.services.findExecutable(QStringLiteral("wine"));
        if (command->program.isEmpty())
            throw FortwrightError(RuntimeError::FileNotFound, kExecutableName,
                QStringLiteral(
                    "%1 is a Windows program and wine was not found on the PATH to start it. Install wine, "
                    "or start the server by hand with the exported shell script.")
                    .arg(GetNamePart(QDir::fromNativeSeparators(program.path))));
    }
    QString error;
    if (!ctx.services.startDetached(command->program, command->arguments, command->workingDir, &error))
        throw FortwrightError(RuntimeError::FileNotFound, kExecutableName,
            QStringLiteral("Unable to start %1: %2").arg(path, error));
    return true;
}

} // namespace fw
