#include "server/rcon/RconTarget.h"

#include "profile/FieldId.h"
#include "profile/ServerProfile.h"

namespace fw {

RconTarget rconTargetFor(const ServerProfile& profile)
{
    RconTarget target;
    const QString ip = profile.text(field::ServerIp).trimmed();
    if (!ip.isEmpty() && ip != QLatin1String("0.0.0.0"))
        target.host = ip;
    bool ok = false;
    const uint port = profile.text(field::ServerPort).trimmed().toUInt(&ok);
    if (ok && port >= 1 && port <= 65535)
        target.port = quint16(port);
    return target;
}

QString rconPasswordOf(const ServerProfile& profile)
{
    return profile.text(field::RconPassword).trimmed();
}

std::optional<RconFraming> framingNamed(const QString& name)
{
    if (name.compare(QLatin1String("mohaa"), Qt::CaseInsensitive) == 0)
        return RconFraming::Mohaa;
    if (name.compare(QLatin1String("quake3"), Qt::CaseInsensitive) == 0)
        return RconFraming::Quake3;
    return std::nullopt;
}

QString framingName(RconFraming framing)
{
    return framing == RconFraming::Mohaa ? QStringLiteral("mohaa") : QStringLiteral("quake3");
}

} // namespace fw
