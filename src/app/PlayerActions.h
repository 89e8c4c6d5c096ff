#pragma once

#include "server/rcon/Player.h"

#include <optional>

namespace fw {

class Prompter;

enum class PlayerAction { Kick, Ban, Message, SayToAll };

// Whether the action can be taken with this player chosen (nullptr: none): kick and message need
// a slot, a ban an address; saying to all needs no one.
bool canDo(PlayerAction action, const Player* player);
// The address a ban takes: the player's IP without its port; empty for a bot or a local player.
QString bannableAddress(const Player& player);
// The rcon command the action sends, after asking for what it needs (a reason, a message) and,
// for a kick or a ban, whether to go ahead, naming the player and the command; nothing when the
// user cancels or says No.
std::optional<QString> playerActionCommand(PlayerAction action, const Player& player, Prompter& prompter);

} // namespace fw
