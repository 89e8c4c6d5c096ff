#include "cli/CommandRegistry.h"

#include "cli/BanListCommands.h"
#include "cli/CheckCommand.h"
#include "cli/ConfigListCommands.h"
#include "cli/GenerateCommands.h"
#include "cli/HostingCommands.h"
#include "cli/LocalIpCommand.h"
#include "cli/MapCommands.h"
#include "cli/MessageCommands.h"
#include "cli/ProfileCommands.h"
#include "cli/RconCommands.h"
#include "cli/RotationListCommands.h"
#include "cli/RunCommand.h"

namespace fw::cli {

CommandList makeCommands()
{
    CommandList commands;
    addProfileCommands(commands);
    addRotationCommands(commands);
    addBanCommands(commands);
    addConfigCommands(commands);
    addMessageCommands(commands);
    addMapCommands(commands);
    addGenerateCommands(commands);
    commands.push_back(std::make_unique<RunCommand>());
    addHostingCommands(commands);
    addRconCommands(commands);
    commands.push_back(std::make_unique<CheckCommand>());
    commands.push_back(std::make_unique<LocalIpCommand>());
    return commands;
}

CliCommand* findCommand(const CommandList& commands, const QStringList& arguments)
{
    CliCommand* best = nullptr;
    qsizetype bestLength = 0;
    for (const auto& command : commands) {
        const QStringList words = command->words();
        if (words.size() > bestLength && arguments.mid(0, words.size()) == words) {
            best = command.get();
            bestLength = words.size();
        }
    }
    return best;
}

} // namespace fw::cli
