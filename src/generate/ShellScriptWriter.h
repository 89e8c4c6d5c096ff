#pragma once

#include "generate/WrittenFileViewer.h"

#include <QString>

namespace fw {

class ServerProfile;
struct AppContext;

// Which shell script is written: the documented guide, or the Unix form that runs as it is (LF
// line ends, the executable bit, the game folder and its native server named, every value one word).
struct ShellScriptForm {
    bool unixForm = false;
    QString serverPath; // the Unix form's server; empty for the documented mohaa_lnxded
};

// Writes a shell script that starts the Linux dedicated server with the profile's settings, at a
// path asked for in a save dialog after a note on adapting it (the Unix form needs none), then says
// so and shows the file. False when nothing was written (a refused name, a cancelled dialog or a
// reported failure).
bool gbln_MakeLinuxFile(const ServerProfile& profile, AppContext& ctx, ShowWritten show = ShowWritten::Yes,
    const ShellScriptForm& form = {});

} // namespace fw
