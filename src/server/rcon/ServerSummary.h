#pragma once

#include "server/rcon/Player.h"

namespace fw {

// What a header shows of a server, from its getstatus answer.
struct ServerSummary {
    QString name; // sv_hostname, colour codes included
    QString map;
    // OpenMoHAA's g_gametypestring when given, else the g_gametype number.
    QString gameType;
    int players = 0;
    // 0 when the server does not say.
    int maxPlayers = 0;
};

ServerSummary summaryOf(const ServerStatus& status);

} // namespace fw
