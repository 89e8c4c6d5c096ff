#include "generate/ScriptValues.h"

#include "generate/LaunchValues.h"
#include "profile/ServerProfile.h"
#include "support/NumericText.h"
#include "support/PathHelpers.h"
#include "support/Prompter.h"

namespace fw {

namespace {

QString reading(const ServerProfile& profile, int gameSetting)
{
    return shortestDecimal(leadingNumber(profile.text(SettingGroup::txtGameSettings, gameSetting)));
}

} // namespace

std::optional<ScriptValues> scriptValues(
    const ServerProfile& profile, Prompter& prompter, const QString& defaultPort)
{
    const QString name = profile.text(field::ConfigName);
    if (name.isEmpty()) {
        prompter.warn(QStringLiteral("A config name is required") + kEightBlanks);
        return std::nullopt;
    }
    if (!gbln_CheckConfigName(name, prompter))
        return std::nullopt;

    ScriptValues values;
    values.zone = reading(profile, 12);
    values.hunk = reading(profile, 10);
    values.sound = reading(profile, 11);
    values.ip = profile.text(field::ServerIp);
    values.port = profile.text(field::ServerPort);
    if (leadingNumber(values.port) == 0)
        values.port = defaultPort;
    values.pure = pureFragment(profile);
    values.configFile = configFileName(name);
    return values;
}

} // namespace fw
