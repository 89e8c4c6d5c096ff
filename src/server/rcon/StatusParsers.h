#pragma once

#include "server/rcon/Player.h"

#include <optional>

namespace fw {

// The text of a getstatus answer ("statusResponse\n\key\value...\n" then one line per player,
// either `<ping> "<name>"` or `<score> <ping> "<name>"`); nothing when it is no such answer.
std::optional<ServerStatus> parseServerStatus(const QString& text);

// The output of rcon status. The columns come from the header line, since servers differ; the
// fields before the name are taken from the left and those after it from the right, and what
// is between is the name, blanks included. Nothing when the text holds no table.
std::optional<PlayerTable> parsePlayerTable(const QString& text);

} // namespace fw
