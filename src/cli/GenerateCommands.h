#pragma once

#include "cli/CommandRegistry.h"

namespace fw::cli {

// maplist, config, launch-line, batch, shell and cycle: the file writers without a window.
void addGenerateCommands(CommandList& commands);

} // namespace fw::cli
