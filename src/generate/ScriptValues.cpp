#include "generate/ScriptValues.h"

#include "generate/ConfigName.h"
#include "generate/LaunchValues.h"
#include "profile/ServerProfile.h"
#include "support/files/PathHelpers.h"
#include "support/platform/Prompter.h"
#include "support/text/NumericText.h"

namespace fw {

std::optional<ScriptValues> scriptValues(
    const ServerProfile& profile, Prompter& prompter, const QString& defaultPort)
{
    // The name goes into the script as typed, blanks and all.
    const std::optional<QString> name = checkedName(profile.text(field::ConfigName), prompter,
        QStringLiteral("A config name is required") + kEightBlanks);
    if (!name)
        return std::nullopt;

    ScriptValues values;
    const MemorySizes sizes = memorySizes(profile);
    values.zone = shortestDecimal(sizes.zone);
    values.hunk = shortestDecimal(sizes.hunk);
    values.sound = shortestDecimal(sizes.sound);
    values.ip = profile.text(field::ServerIp);
    values.port = profile.text(field::ServerPort);
    if (leadingNumber(values.port) == 0)
        values.port = defaultPort;
    values.pure = pureFragment(profile);
    values.configFile = configFileName(*name);
    return values;
}

} // namespace fw
