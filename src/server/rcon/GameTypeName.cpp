#include "server/rcon/GameTypeName.h"

#include "profile/SettingsCatalogue.h"
#include "server/rcon/Player.h"

namespace fw {
namespace {

QString mohaaName(const QString& number)
{
    for (const SettingField& option : SettingsCatalogue::members(SettingGroup::optGameType)) {
        if (option.tag == number)
            return QString(option.caption).remove(QLatin1Char('&'));
    }
    return {};
}

QString quake3Name(int number)
{
    static const QStringList kNames { QStringLiteral("Free for All"), QStringLiteral("Tournament"),
        QStringLiteral("Single Player"), QStringLiteral("Team Deathmatch"),
        QStringLiteral("Capture the Flag") };
    return kNames.value(number);
}

} // namespace

QString gameTypeName(const QString& gameType, RconFraming framing)
{
    const QString given = plainName(gameType).trimmed();
    bool isNumber = false;
    const int number = given.toInt(&isNumber);
    if (!isNumber)
        return given;
    const QString named = framing == RconFraming::Mohaa ? mohaaName(given) : quake3Name(number);
    return named.isEmpty() ? QStringLiteral("type ") + given : named;
}

} // namespace fw
