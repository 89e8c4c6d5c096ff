#include "generate/ConfigName.h"

#include "profile/ServerProfile.h"
#include "support/files/PathHelpers.h"
#include "support/platform/Prompter.h"

namespace fw {

std::optional<QString> checkedName(const QString& name, Prompter& prompter, const QString& missingMessage)
{
    if (name.isEmpty()) {
        prompter.warn(missingMessage);
        return std::nullopt;
    }
    if (!gbln_CheckConfigName(name, prompter))
        return std::nullopt;
    return name;
}

std::optional<QString> checkedConfigName(
    const ServerProfile& profile, Prompter& prompter, const QString& missingMessage)
{
    return checkedName(profile.text(field::ConfigName).trimmed(), prompter, missingMessage);
}

std::optional<QString> exportConfigName(const ServerProfile& profile, Prompter& prompter)
{
    const std::optional<QString> name = checkedConfigName(profile, prompter,
        messageLines({ QStringLiteral("Fortwright requires a config name, please input a valid config name."),
            QStringLiteral("The config name is used to name your server configuration.") }));
    if (!name)
        return std::nullopt;
    return configFileName(*name);
}

} // namespace fw
