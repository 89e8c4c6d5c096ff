#pragma once

#include "server/rcon/RconTarget.h"

namespace fw {

// A server's game type as people read it. gameType is what ServerSummary holds: a name the server
// gave (its colour codes are taken off), or the g_gametype number, named as the framing's family
// names it (the MOHAA names the Game tab shows, or ioquake3's); an unknown number reads "type N".
QString gameTypeName(const QString& gameType, RconFraming framing);

} // namespace fw
