#pragma once

#include "cli/CliCommand.h"

namespace fw::cli {

// Every command of the tool, in the order the usage text lists them.
CommandList makeCommands();

// The command whose words start arguments (the longest match), or nullptr.
CliCommand* findCommand(const CommandList& commands, const QStringList& arguments);

} // namespace fw::cli
