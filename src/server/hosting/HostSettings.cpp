#include "server/hosting/HostSettings.h"

#include "support/settings/ApplicationStore.h"

namespace fw {
namespace {

const QString kSection = QStringLiteral("Hosting");
const QString kServerProgram = QStringLiteral("ServerProgram");
const QString kRestartOnCrash = QStringLiteral("RestartOnCrash");

} // namespace

HostSettings::HostSettings(QString storePath)
    : m_storePath(std::move(storePath))
{
}

QString HostSettings::serverProgram() const
{
    return ApplicationStore(m_storePath).settings.GetSetting(kSection, kServerProgram, QString()).toString();
}

void HostSettings::setServerProgram(const QString& path)
{
    // An empty value means "find it", as if never set.
    ApplicationStore(m_storePath).settings.SaveSetting(kSection, kServerProgram, path);
}

bool HostSettings::restartOnCrash() const
{
    return ApplicationStore(m_storePath)
               .settings.GetSetting(kSection, kRestartOnCrash, QStringLiteral("False"))
               .toString()
        == QLatin1String("True");
}

void HostSettings::setRestartOnCrash(bool on)
{
    ApplicationStore(m_storePath).settings.SaveSetting(kSection, kRestartOnCrash, on);
}

} // namespace fw
