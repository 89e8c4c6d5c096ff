#include "server/rcon/ServerSummary.h"

#include "profile/SettingsCatalogue.h"

namespace fw {
namespace {

QString mohaaGameType(const QString& number)
{
    for (const SettingField& option : SettingsCatalogue::members(SettingGroup::optGameType)) {
        if (option.tag == number)
            return QString(option.caption).remove(QLatin1Char('&'));
    }
    return {};
}

QString quake3GameType(const QString& number)
{
    static const QStringList kNames { QStringLiteral("Free for All"), QStringLiteral("Tournament"),
        QStringLiteral("Single Player"), QStringLiteral("Team Deathmatch"),
        QStringLiteral("Capture the Flag") };
    bool ok = false;
    const int index = number.toInt(&ok);
    return ok ? kNames.value(index) : QString();
}

QString gameTypeOf(const ServerStatus& status, RconFraming framing)
{
    if (const QString named = plainName(status.variable(QStringLiteral("g_gametypestring")));
        !named.isEmpty())
        return named;
    const QString number = status.variable(QStringLiteral("g_gametype")).trimmed();
    const QString named = framing == RconFraming::Mohaa ? mohaaGameType(number) : quake3GameType(number);
    if (!named.isEmpty())
        return named;
    return number.isEmpty() ? QString() : QStringLiteral("type ") + number;
}

} // namespace

ServerSummary summarise(const ServerStatus& status, RconFraming framing)
{
    ServerSummary summary;
    summary.name = plainName(status.variable(QStringLiteral("sv_hostname"))).trimmed();
    summary.map = status.variable(QStringLiteral("mapname"));
    summary.players = int(status.players.size());
    bool ok = false;
    const int max = status.variable(QStringLiteral("sv_maxclients")).toInt(&ok);
    summary.maxPlayers = ok ? max : -1;
    summary.gameType = gameTypeOf(status, framing);
    return summary;
}

} // namespace fw
