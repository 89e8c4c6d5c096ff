#include "support/platform/PlatformServices.h"

#include "support/platform/OperatingSystem.h"

#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>

namespace fw {

bool SystemPlatformServices::startDetached(
    const QString& program, const QStringList& arguments, const QString& workingDir, QString* error)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDir);
    if (process.startDetached())
        return true;
    if (error)
        *error = process.errorString();
    return false;
}

bool SystemPlatformServices::openDocument(const QString& path)
{
    return openUrl(path);
}

bool SystemPlatformServices::openUrl(const QString& url)
{
    return os::openWithDesktop(url);
}

QString SystemPlatformServices::computerName() const
{
    // What QHostInfo::localHostName() answers, without linking the network module.
    return QSysInfo::machineHostName();
}

QString SystemPlatformServices::findExecutable(const QString& name) const
{
    return QStandardPaths::findExecutable(name);
}

} // namespace fw
