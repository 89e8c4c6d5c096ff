#pragma once

#include "server/rcon/RconClient.h"

#include <QCommandLineParser>

namespace fw::cli {

class CliSession;

// The environment variable that may carry the rcon password; it wins over the profile's.
inline const char* const kRconPasswordVariable = "FORTWRIGHT_RCON_PASSWORD";

// --profile, --host, --port and --framing: where the rcon commands talk to.
QList<QCommandLineOption> rconOptions();

// A client aimed at the profile's server (net_ip, else this computer; net_port, else 12203),
// changed by --host, --port and --framing, with the password from the environment variable
// when it is set, else from the profile. A bad option value is a usage error.
std::unique_ptr<RconClient> rconClientFor(CliSession& session, const QCommandLineParser& parser);

// The answer's text, or the failure (exit 1) with its message.
QString answerText(const RconReply& reply);

} // namespace fw::cli
