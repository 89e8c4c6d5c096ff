#include "support/files/DataFolder.h"

#include "support/errors/FortwrightError.h"
#include "support/platform/OperatingSystem.h"
#include "support/settings/RegistryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace fw {

bool isInstalledProgramFolder(const QString& executableFolder)
{
    const QString folder = QDir::cleanPath(QFileInfo(executableFolder).absoluteFilePath());
    return QFileInfo(folder).fileName() == QLatin1String("bin")
        && QFileInfo(folder + QStringLiteral("/../share")).isDir();
}

QString resolveDataFolder(const QString& optionValue, DataFolderUse use)
{
    return resolveDataFolder(
        optionValue, QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString(), use);
}

QString resolveDataFolder(const QString& optionValue, const QString& executableFolder, DataFolderUse use)
{
    QString folder = optionValue;
    if (folder.isEmpty())
        folder = qEnvironmentVariable("FORTWRIGHT_HOME");
    const bool named = !folder.isEmpty();
    // An installed program's folder is shared by every user, even where root could write to it.
    if (folder.isEmpty() && !executableFolder.isEmpty() && !isInstalledProgramFolder(executableFolder)
        && QFileInfo(executableFolder).isWritable())
        folder = executableFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    folder = QDir(folder).absolutePath();
    const QString shown = QDir::toNativeSeparators(folder);
    if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir())
        throw FortwrightError(RuntimeError::PathFileAccess, kExecutableName,
            QStringLiteral("The data folder %1 is a file, not a folder").arg(shown));
    if (QFileInfo(folder).isDir())
        return folder;
    if (use == DataFolderUse::ReadOnly) {
        if (named)
            throw FortwrightError(RuntimeError::PathNotFound, kExecutableName,
                QStringLiteral("The data folder %1 does not exist").arg(shown));
        return folder;
    }
    const QString parent = QFileInfo(folder).absolutePath();
    if (named && !QFileInfo(parent).isDir())
        throw FortwrightError(RuntimeError::PathNotFound, kExecutableName,
            QStringLiteral("The data folder %1 cannot be created: its parent folder %2 does not exist")
                .arg(shown, QDir::toNativeSeparators(parent)));
    if (!(named ? QDir().mkdir(folder) : QDir().mkpath(folder)))
        throw FortwrightError(RuntimeError::PathFileAccess, kExecutableName,
            QStringLiteral("The data folder %1 cannot be created").arg(shown));
    return folder;
}

SessionFolders resolveSessionFolders(const QString& dataDirOption, DataFolderUse use)
{
    SessionFolders folders;
    folders.dataDir = resolveDataFolder(dataDirOption, use);
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
    return os::defaultGameFolder();
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
    return canonical(a).compare(canonical(b), os::folderNameCase()) == 0;
}

} // namespace fw
