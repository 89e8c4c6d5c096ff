#pragma once

#include "cli/CliCommand.h"

namespace fw::cli {

// "bans list", "bans add" and "bans remove": the banned addresses kept in Banned.dat.
void addBanCommands(CommandList& commands);

} // namespace fw::cli
