#include "server/hosting/HostSettings.h"

#include "support/settings/CAppSettings.h"

namespace fw {
namespace {

const QString kSection = QStringLiteral("Hosting");
const QString kServerProgram = QStringLiteral("ServerProgram");
const QString kRestartOnCrash = QStringLiteral("RestartOnCrash");

// The same application key as AppState's, so both live in one store file.
struct HostingStore {
    explicit HostingStore(const QString& storePath)
        : settings(storePath)
    {
        settings.Init(QStringLiteral("_DezeveRovorare"), QStringLiteral("Fortwright"));
    }
    CAppSettings settings;
};

} // namespace

HostSettings::HostSettings(QString storePath)
    : m_storePath(std::move(storePath))
{
}

QString HostSettings::serverProgram() const
{
    return HostingStore(m_storePath).settings.GetSetting(kSection, kServerProgram, QString()).toString();
}

void HostSettings::setServerProgram(const QString& path)
{
    // An empty value means "find it", as if never set.
    HostingStore(m_storePath).settings.SaveSetting(kSection, kServerProgram, path);
}

bool HostSettings::restartOnCrash() const
{
    return HostingStore(m_storePath)
               .settings.GetSetting(kSection, kRestartOnCrash, QStringLiteral("False"))
               .toString()
        == QLatin1String("True");
}

void HostSettings::setRestartOnCrash(bool on)
{
    HostingStore(m_storePath).settings.SaveSetting(kSection, kRestartOnCrash, on);
}

} // namespace fw
