#include "server/RunConfigName.h"

#include "profile/ServerProfile.h"
#include "support/PathHelpers.h"
#include "support/Prompter.h"

namespace fw {

std::optional<QString> checkedRunConfigName(const ServerProfile& profile, Prompter& prompter)
{
    const QString name = profile.text(SettingGroup::txtAdministration, 1).trimmed();
    if (name.isEmpty()) {
        prompter.warn(messageLines(
            { QStringLiteral("Fortwright requires a Config name, please input a valid Config name."),
                QStringLiteral("The Config name is used to name your server configuration.") }));
        return std::nullopt;
    }
    if (!gbln_CheckConfigName(name, prompter))
        return std::nullopt;
    return name;
}

} // namespace fw
