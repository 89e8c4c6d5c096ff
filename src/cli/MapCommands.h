#pragma once

#include "cli/CliCommand.h"

namespace fw::cli {

// "scan" and "maps": the map list Main.efr in the data folder, built from the game's Main folder.
void addMapCommands(CommandList& commands);

} // namespace fw::cli
