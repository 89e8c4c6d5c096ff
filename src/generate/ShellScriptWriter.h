#pragma once

#include "generate/WrittenFileViewer.h"

namespace fw {

class ServerProfile;
struct AppContext;

// Writes a shell script that starts the Linux dedicated server with the profile's settings, at a
// path asked for in a save dialog after a note on adapting it, then says so and shows the file.
// False when nothing was written (a refused name, a cancelled dialog or a reported failure).
bool gbln_MakeLinuxFile(const ServerProfile& profile, AppContext& ctx, ShowWritten show = ShowWritten::Yes);

} // namespace fw
