#pragma once

#include "cli/CliCommand.h"

namespace fw::cli {

// "configs list", "configs add" and "configs remove": the additional configurations kept in
// Configs.dat, nine rows as in the window.
void addConfigCommands(CommandList& commands);

} // namespace fw::cli
