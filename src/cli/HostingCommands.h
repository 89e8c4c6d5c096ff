#pragma once

#include "cli/CliCommand.h"

namespace fw::cli {

// status, server-program and restart-on-crash: the server Fortwright started and the hosting
// choices of this installation (kept in the settings store, never in a profile).
void addHostingCommands(CommandList& commands);

} // namespace fw::cli
