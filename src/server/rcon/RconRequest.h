#pragma once

#include "server/rcon/RconTarget.h"

#include <QByteArray>
#include <QString>

namespace fw {

// Why a command cannot be sent (the server reads only up to the first line break, so the rest
// would be lost or, worse, run on its own); empty when it can.
QString commandRefusal(const QString& command);

// 0xFF x4, 0x02 for the MOHAA framing, then "rcon <password> <command>" in Windows-1252.
QByteArray rconRequest(RconFraming framing, const QString& password, const QString& command);
// The same opening, then a query that needs no password ("getstatus", "getinfo").
QByteArray queryRequest(RconFraming framing, const QString& query);

} // namespace fw
