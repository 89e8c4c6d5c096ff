#pragma once

#include "cli/CliCommand.h"

namespace fw::cli {

// "message set" and "message show": the server message text kept in msg.txt.
void addMessageCommands(CommandList& commands);

} // namespace fw::cli
