#include "server/rcon/ServerSummary.h"

namespace fw {

ServerSummary summaryOf(const ServerStatus& status)
{
    ServerSummary summary;
    summary.name = status.variable(QStringLiteral("sv_hostname"));
    summary.map = status.variable(QStringLiteral("mapname"));
    summary.gameType = status.variable(QStringLiteral("g_gametypestring"));
    if (summary.gameType.isEmpty())
        summary.gameType = status.variable(QStringLiteral("g_gametype"));
    summary.players = int(status.players.size());
    summary.maxPlayers = status.variable(QStringLiteral("sv_maxclients")).toInt();
    return summary;
}

} // namespace fw
