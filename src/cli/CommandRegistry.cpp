#include "cli/CommandRegistry.h"

#include "cli/LocalIpCommand.h"

namespace fw::cli {

CommandList makeCommands()
{
    CommandList commands;
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
