#include "server/hosting/RunPreview.h"

#include "generate/LaunchLine.h"
#include "generate/LaunchValues.h"
#include "profile/ServerProfile.h"
#include "server/hosting/HostCommand.h"
#include "server/hosting/ServerProgram.h"

namespace fw {

QString runCommandPreview(const ServerProfile& profile, const QString& gamePath, const QString& storedChoice)
{
    const ServerProgram program = chooseServerProgram(gamePath, storedChoice);
    if (program.isEmpty())
        return QStringLiteral("The game folder holds no server program: choose one.");
    LaunchValues values;
    try {
        values = gatherLaunchValues(profile);
    } catch (const std::exception&) {
        return QStringLiteral("The server port is not a number.");
    }
    const QString name = profile.text(field::ConfigName).trimmed();
    if (name.isEmpty())
        return QStringLiteral("Give a configuration name to see the command line.");
    const auto command = hostCommand(values, profile, launchConfigName(name), gamePath, program);
    if (!command)
        return QStringLiteral("No server type is selected: Run starts no server.");
    return command->displayText();
}

} // namespace fw
