#pragma once

#include "generate/WrittenFileViewer.h"

namespace fw {

class ServerProfile;
struct AppContext;

// Writes a Windows batch file that starts a dedicated Internet server with the profile's
// settings, at a path asked for in a save dialog, then says so and shows the file. False when
// nothing was written (a refused name, a cancelled dialog or a reported failure).
bool gbln_MakeBatchFile(const ServerProfile& profile, AppContext& ctx, ShowWritten show = ShowWritten::Yes);

} // namespace fw
