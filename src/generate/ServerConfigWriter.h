#pragma once

#include "generate/WrittenFileViewer.h"

#include <QString>
#include <functional>
#include <optional>

namespace fw {

class Prompter;
class ServerProfile;
struct AppContext;
struct LaunchValues;

// What the callers of the configuration writer plug in around it.
struct ConfigurationHooks {
    // Run mode, after the files are written: start the server and arm the server messages.
    // Failures are thrown as FortwrightError and reported by the writer. Nothing by default.
    std::function<void(const LaunchValues&, const ServerProfile&, const QString& configName)> launch;
    // The window's busy cursor: called with true at the start and false on every way out.
    std::function<void(bool busy)> setBusy;
    // Called with the path of every file written (helper files, ban list, configuration).
    std::function<void(const QString& path)> wroteFile;
    // Export mode: show the written file in an editor.
    ShowWritten show = ShowWritten::Yes;
};

// Writes the server configuration of profile. Run mode writes it into the game's Main folder
// under the lower-cased configName and then calls hooks.launch; export mode asks for the path
// in a save dialog (cancelling writes nothing and still counts as done) and shows the file.
// Every blank of configName becomes "_", and the caller sees the change. Missing default.cfg
// and autoexec.cfg are created, Banned.cfg is written when addresses are banned. False after a
// failure, which has been shown to the user.
bool CreateMOHAAConfiguration(const ServerProfile& profile, AppContext& ctx, bool exportMode,
    QString& configName, const ConfigurationHooks& hooks = {});

// The export command around the writer: the profile's configuration name trimmed, checked and
// given ".cfg"; "Could not create server cfg!" when the writer fails. False when a check or the
// writer failed.
bool exportServerConfiguration(
    const ServerProfile& profile, AppContext& ctx, const ConfigurationHooks& hooks = {});

} // namespace fw
