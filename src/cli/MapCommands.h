#pragma once

#include "cli/CliCommand.h"
#include "maps/MapCatalogue.h"

namespace fw::cli {

class CliSession;

// The entries of Main.efr. A list that is missing (the box asking for a scan has said so) or that
// cannot be read fails the command.
MapCatalogue availableMaps(CliSession& session);

// "scan" and "maps": the map list Main.efr in the data folder, built from the game's Main folder.
void addMapCommands(CommandList& commands);

} // namespace fw::cli
