#pragma once

#include "server/hosting/NativeLaunch.h"

namespace fw {

class ServerMessenger;
class ServerProfile;
struct AppContext;
struct WrittenConfiguration;

// Run's step after the configuration is written: starts the server from the game folder with the
// name and launch values the writer wrote, then arms the server messages when a message period
// is set. A failure is shown as the writer shows its own and gives false; a profile without a
// server type starts nothing and still counts as started. With a supervisor, a native server
// program starts under it; without one, or for a Windows program, Run launches as it always has.
bool launchWrittenConfiguration(const WrittenConfiguration& written, const ServerProfile& profile,
    AppContext& ctx, ServerMessenger& messenger, const RunHosting& hosting = {});

} // namespace fw
