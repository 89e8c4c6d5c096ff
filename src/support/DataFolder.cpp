#include "support/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace fw {

QString resolveDataFolder(const QString& optionValue)
{
    QString folder = optionValue;
    if (folder.isEmpty())
        folder = qEnvironmentVariable("FORTWRIGHT_HOME");
    if (folder.isEmpty() && QCoreApplication::instance()) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        if (QFileInfo(exeDir).isWritable())
            folder = exeDir;
    }
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    folder = QDir(folder).absolutePath();
    QDir().mkpath(folder);
    return folder;
}

QString defaultGameFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Program Files\\MOHAA");
#else
    return QDir::homePath() + QStringLiteral("/mohaa");
#endif
}

} // namespace fw
