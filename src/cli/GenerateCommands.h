#pragma once

#include "cli/CliCommand.h"

namespace fw::cli {

// maplist, config, launch-line, batch, shell and cycle: the file writers without a window.
void addGenerateCommands(CommandList& commands);

} // namespace fw::cli
