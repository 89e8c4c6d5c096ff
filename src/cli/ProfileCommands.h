#pragma once

#include "cli/CliCommand.h"

namespace fw::cli {

// "profile show" and "profile set".
void addProfileCommands(CommandList& commands);

} // namespace fw::cli
