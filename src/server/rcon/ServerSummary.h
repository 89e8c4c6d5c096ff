#pragma once

#include "server/rcon/Player.h"
#include "server/rcon/RconTarget.h"

namespace fw {

// A getstatus answer as people read it: colour codes taken off, the game type named.
struct ServerSummary {
    QString name;
    QString map;
    int players = 0;
    // -1 when the server does not say.
    int maxPlayers = -1;
    QString gameType;
};

// The game type by the name the server gives (g_gametypestring), else by the number's name in
// the framing's family (the MOHAA names the Game tab shows, or ioquake3's), else the number.
ServerSummary summarise(const ServerStatus& status, RconFraming framing);

} // namespace fw
