#pragma once

#include "cli/CliCommand.h"

namespace fw::cli {

// "rotation list", "rotation add" and "rotation clear": the rotation kept in Maps.dat.
void addRotationCommands(CommandList& commands);

} // namespace fw::cli
