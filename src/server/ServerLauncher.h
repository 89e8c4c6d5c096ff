#pragma once

#include <QString>

namespace fw {

struct AppContext;
struct LaunchValues;
class ServerProfile;

// Starts the game server with the launch line: the game folder becomes the working folder and
// the program is started by its full path there, without waiting for it. The program is the one
// chooseServerProgram finds: a native dedicated server in the game folder (not on Windows), else
// MOHAA_server.exe; a native program starts directly, a Windows program through wine, which
// must then be on the PATH. No server type selected: nothing is started (false). Failures are
// thrown as FortwrightError. storedChoice is the program the user chose in place of the search.
bool launchServer(const LaunchValues& values, const ServerProfile& profile, const QString& configName,
    AppContext& ctx, const QString& storedChoice = {});

// Whether the file is a Windows program (it starts with "MZ").
bool isWindowsProgram(const QString& path);

} // namespace fw
