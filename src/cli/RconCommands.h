#pragma once

#include "cli/CliCommand.h"

namespace fw::cli {

// rcon, players and query: talking to the running server over its rcon port.
void addRconCommands(CommandList& commands);

} // namespace fw::cli
