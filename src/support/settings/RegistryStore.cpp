#include "support/settings/RegistryStore.h"

#include "support/platform/OperatingSystem.h"

#include <QDir>
#include <QStandardPaths>

namespace fw {

QString registryRootName(quint32 root)
{
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case RegistryRoot::CurrentUser:
        return QStringLiteral("HKEY_CURRENT_USER");
    case RegistryRoot::LocalMachine:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    case RegistryRoot::Users:
        return QStringLiteral("HKEY_USERS");
    default:
        return QStringLiteral("0x") + QString::number(root, 16).rightJustified(8, QLatin1Char('0')).toUpper();
    }
}

std::unique_ptr<RegistryStore> openRegistryStore(const QString& storePath)
{
    return os::openSettingsStore(storePath);
}

QString defaultSettingsStorePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("registry.json"));
}

} // namespace fw
