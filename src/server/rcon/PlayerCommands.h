#pragma once

#include <QString>

namespace fw {

// The rcon commands behind the per-player actions, as the user may read and learn them
// (OpenMoHAA's names). A reason or a message is optional where the server allows it.

// clientkick <slot> [reason]
QString kickCommand(int slot, const QString& reason = {});
// banaddr <slot|ip[/cidr]> [reason]
QString banCommand(const QString& slotOrAddress, const QString& reason = {});
// tell <slot> <text>
QString tellCommand(int slot, const QString& text);
// say <text>
QString sayCommand(const QString& text);

} // namespace fw
