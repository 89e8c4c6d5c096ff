#include "server/ServerLauncher.h"

#include "generate/LaunchLine.h"
#include "support/AppContext.h"
#include "support/errors/FortwrightError.h"
#include "support/files/PathHelpers.h"
#include "support/platform/OperatingSystem.h"
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

bool launchServer(
    const LaunchValues& values, const ServerProfile& profile, const QString& configName, AppContext& ctx)
{
    QDir::setCurrent(ctx.gamePath);
    const auto line = buildLaunchLine(values, profile, configName);
    if (!line)
        return false;
    const QString program = QDir::toNativeSeparators(addSlash(ctx.gamePath) + line->program());
    if (!QFileInfo::exists(program))
        throw FortwrightError(
            RuntimeError::FileNotFound, kExecutableName, QStringLiteral("File not found: %1").arg(program));
    QString executable = program;
    QStringList arguments = line->arguments();
    if (!os::runsWindowsPrograms() && isWindowsProgram(program)) {
        executable = ctx.services.findExecutable(QStringLiteral("wine"));
        if (executable.isEmpty())
            throw FortwrightError(RuntimeError::FileNotFound, kExecutableName,
                QStringLiteral(
                    "%1 is a Windows program and wine was not found on the PATH to start it. Install wine, "
                    "or start the server by hand with the exported shell script.")
                    .arg(line->program()));
        arguments.prepend(program);
    }
    QString error;
    if (!ctx.services.startDetached(executable, arguments, ctx.gamePath, &error))
        throw FortwrightError(RuntimeError::FileNotFound, kExecutableName,
            QStringLiteral("Unable to start %1: %2").arg(program, error));
    return true;
}

} // namespace fw
