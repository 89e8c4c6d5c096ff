#pragma once

#include <QString>

namespace fw {

class HostedServer;
class ServerProfile;
struct AppContext;
struct LaunchValues;

// How Run hosts a native server: the supervisor it starts under, and the program chosen for this
// Run in place of the stored choice (empty: the stored choice, else the search).
struct RunHosting {
    HostedServer* server = nullptr;
    QString program;
};

// The program the user chose for this Run: the one given for it, else the stored choice; empty
// for "find it".
QString chosenServerProgram(const AppContext& ctx, const RunHosting& hosting);

// The port a native server takes: the launch line's, else the engine's default 12203.
quint16 nativeServerPort(const LaunchValues& values);

// Starts the launch line's command under the supervisor when the program Run would start is a
// native server; false (nothing done) when it is not, so Run goes on the documented way.
// Failures are thrown as FortwrightError.
bool startNativeServer(const LaunchValues& values, const ServerProfile& profile, const QString& configName,
    AppContext& ctx, const RunHosting& hosting);

// Asks, when the server Fortwright started is running, whether to stop it and start it again;
// on Yes it is stopped. True when Run may go on.
bool settleRunningServer(const RunHosting& hosting, AppContext& ctx);

} // namespace fw
