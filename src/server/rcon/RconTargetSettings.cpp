#include "server/rcon/RconTargetSettings.h"

#include "support/settings/ApplicationStore.h"

namespace fw {
namespace {

const QString kSection = QStringLiteral("Rcon");
const QString kHost = QStringLiteral("Host");
const QString kPort = QStringLiteral("Port");
const QString kFraming = QStringLiteral("Framing");
const QString kRefreshSeconds = QStringLiteral("RefreshSeconds");

} // namespace

RconTargetSettings::RconTargetSettings(QString storePath)
    : m_storePath(std::move(storePath))
{
}

RconTarget RconTargetSettings::targetFor(const ServerProfile& profile) const
{
    RconTarget target = rconTargetFor(profile);
    if (const QString changed = host(); !changed.isEmpty())
        target.host = changed;
    if (const quint16 changed = port(); changed != 0)
        target.port = changed;
    target.framing = framing();
    return target;
}

QString RconTargetSettings::host() const
{
    return value(kHost).trimmed();
}

void RconTargetSettings::setHost(const QString& host)
{
    save(kHost, host.trimmed());
}

quint16 RconTargetSettings::port() const
{
    const uint port = value(kPort).toUInt();
    return port <= 65535 ? quint16(port) : 0;
}

void RconTargetSettings::setPort(quint16 port)
{
    save(kPort, port == 0 ? QString() : QString::number(port));
}

RconFraming RconTargetSettings::framing() const
{
    return framingNamed(value(kFraming)).value_or(RconFraming::Mohaa);
}

void RconTargetSettings::setFraming(RconFraming framing)
{
    save(kFraming, framingName(framing));
}

int RconTargetSettings::refreshSeconds() const
{
    const int seconds = value(kRefreshSeconds).toInt();
    return seconds > 0 ? seconds : kDefaultRefreshSeconds;
}

void RconTargetSettings::setRefreshSeconds(int seconds)
{
    save(kRefreshSeconds, QString::number(seconds));
}

QString RconTargetSettings::value(const QString& key) const
{
    return ApplicationStore(m_storePath).settings.GetSetting(kSection, key, QString()).toString();
}

void RconTargetSettings::save(const QString& key, const QString& value)
{
    ApplicationStore(m_storePath).settings.SaveSetting(kSection, key, value);
}

} // namespace fw
