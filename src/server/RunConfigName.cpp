#include "server/RunConfigName.h"

#include "generate/ConfigName.h"
#include "support/platform/Prompter.h"

namespace fw {

std::optional<QString> checkedRunConfigName(const ServerProfile& profile, Prompter& prompter)
{
    return checkedConfigName(profile, prompter,
        messageLines({ QStringLiteral("Fortwright requires a Config name, please input a valid Config name."),
            QStringLiteral("The Config name is used to name your server configuration.") }));
}

} // namespace fw
