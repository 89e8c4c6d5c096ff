#pragma once

#include "server/rcon/RconClient.h"

namespace fw {

// Asks and waits in an event loop of its own until the answer has come, for a caller with no
// loop running (the command line). Listening starts before the request is queued, so the answer
// cannot slip by.
RconReply commandAndWait(RconClient& client, const QString& command);
RconReply queryAndWait(RconClient& client, const QString& query = QStringLiteral("getstatus"));

} // namespace fw
