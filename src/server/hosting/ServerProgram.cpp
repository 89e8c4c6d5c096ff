#include "server/hosting/ServerProgram.h"

#include "generate/LaunchLine.h"
#include "server/ServerLauncher.h"
#include "support/files/PathHelpers.h"
#include "support/platform/OperatingSystem.h"

#include <QFileInfo>
#include <QSysInfo>

namespace fw {

namespace {

// The engine names its builds by its own architecture words (its q_platform.h on Linux), which
// differ from Qt's for 32-bit x86 and 64-bit ARM.
QString engineArchitecture()
{
    const QString qtName = QSysInfo::currentCpuArchitecture();
    if (qtName == QLatin1String("i386"))
        return QStringLiteral("x86");
    if (qtName == QLatin1String("arm64"))
        return QStringLiteral("aarch64");
    return qtName;
}

bool isExecutableFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

QStringList nativeServerNames()
{
    return { QStringLiteral("omohaaded"), QStringLiteral("omohaaded.") + engineArchitecture(),
        QStringLiteral("mohaa_lnxded") };
}

QString findNativeServer(const QString& gamePath)
{
    if (gamePath.isEmpty())
        return {};
    for (const QString& name : nativeServerNames()) {
        const QString path = addSlash(gamePath) + name;
        if (isExecutableFile(path))
            return path;
    }
    return {};
}

ServerProgram chooseServerProgram(const QString& gamePath, const QString& storedChoice)
{
    ServerProgram program;
    if (!storedChoice.isEmpty() && QFileInfo::exists(storedChoice)) {
        program.path = storedChoice;
        program.chosenByUser = true;
    } else if (!os::runsWindowsPrograms()) {
        program.path = findNativeServer(gamePath);
    }
    if (program.path.isEmpty()) {
        const QString windowsServer = addSlash(gamePath) + kServerProgram;
        if (!QFileInfo::exists(windowsServer))
            return {};
        program.path = windowsServer;
    }
    program.throughWine = !os::runsWindowsPrograms() && isWindowsProgram(program.path);
    return program;
}

} // namespace fw
