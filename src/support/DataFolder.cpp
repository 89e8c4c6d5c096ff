#include "support/DataFolder.h"

#include "support/FortwrightError.h"
#include "support/RegistryStore.h"

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
    const QString shown = QDir::toNativeSeparators(folder);
    if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir())
        throw FortwrightError(RuntimeError::PathFileAccess, kExecutableName,
            QStringLiteral("The data folder %1 is a file, not a folder").arg(shown));
    if (!QDir().mkpath(folder))
        throw FortwrightError(RuntimeError::PathFileAccess, kExecutableName,
            QStringLiteral("The data folder %1 cannot be created").arg(shown));
    return folder;
}

SessionFolders resolveSessionFolders(const QString& dataDirOption)
{
    SessionFolders folders;
    folders.dataDir = resolveDataFolder(dataDirOption);
    folders.settingsStore = qEnvironmentVariable("FORTWRIGHT_SETTINGS");
    const bool dataFolderNamed
        = !dataDirOption.isEmpty() || !qEnvironmentVariable("FORTWRIGHT_HOME").isEmpty();
    if (folders.settingsStore.isEmpty())
        folders.settingsStore = dataFolderNamed
            ? QDir(folders.dataDir).filePath(QStringLiteral("registry.json"))
            : defaultSettingsStorePath();
    folders.settingsStore = QFileInfo(folders.settingsStore).absoluteFilePath();
    return folders;
}

QString defaultGameFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Program Files\\MOHAA");
#else
    return QDir::homePath() + QStringLiteral("/mohaa");
#endif
}

QString cleanGameFolder(const QString& stored)
{
    qsizetype first = 0;
    qsizetype end = stored.size();
    while (first < end && stored.at(first) == QLatin1Char(' '))
        ++first;
    while (end > first && stored.at(end - 1) == QLatin1Char(' '))
        --end;
    QString folder = stored.mid(first, end - first);
    if (folder.endsWith(QChar(0)))
        folder.chop(1);
    return folder;
}

bool sameFolder(const QString& a, const QString& b)
{
    const auto canonical = [](const QString& path) {
        return QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath());
    };
#ifdef Q_OS_WIN
    return canonical(a).compare(canonical(b), Qt::CaseInsensitive) == 0;
#else
    return canonical(a) == canonical(b);
#endif
}

} // namespace fw
