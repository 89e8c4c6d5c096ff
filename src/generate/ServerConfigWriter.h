#pragma once

#include "generate/LaunchValues.h"
#include "generate/WrittenFileViewer.h"

#include <QString>
#include <exception>
#include <functional>
#include <optional>

namespace fw {

class ServerProfile;
struct AppContext;

// What the callers of the configuration writer plug in around it.
struct ConfigurationHooks {
    // The window's busy cursor: called with true at the start and false on every way out.
    std::function<void(bool busy)> setBusy;
    // Called with the path of every file written (helper files, ban list, configuration).
    std::function<void(const QString& path)> wroteFile;
    // Export mode: show the written file in an editor.
    ShowWritten show = ShowWritten::Yes;
};

// Where the writer puts the configuration.
enum class ConfigurationTarget {
    // Run: the game's Main folder, under the lower-cased name.
    GameMainFolder,
    // Export: the path the save dialog is answered with; the file is announced and shown.
    AskedPath,
};

// What the writer wrote: the configuration's path, its name as written (every blank as "_", the
// case kept, as the server is told to execute it) and the values of the server's command line
// gathered for it. The path is empty when the save dialog was cancelled: nothing was written.
struct WrittenConfiguration {
    QString path;
    QString configName;
    LaunchValues launch;
};

// Writes the server configuration of profile under configName to target. Missing default.cfg
// and autoexec.cfg are created, Banned.cfg is written when addresses are banned; none of them
// when the configuration itself cannot be created. Starting the server is the caller's. Nothing
// after a failure, which has been shown to the user.
std::optional<WrittenConfiguration> CreateMOHAAConfiguration(const ServerProfile& profile, AppContext& ctx,
    ConfigurationTarget target, const QString& configName, const ConfigurationHooks& hooks = {});

// How the writer, and Run after it, show a failure: the sockets table's message in an
// exclamation box when it has one, otherwise the error report under the writer's name.
void reportConfigurationFailure(AppContext& ctx, const std::exception& error);

// The export command around the writer: the profile's configuration name trimmed, checked and
// given ".cfg"; "Could not create server cfg!" when the writer fails. False when a check or the
// writer failed.
bool exportServerConfiguration(
    const ServerProfile& profile, AppContext& ctx, const ConfigurationHooks& hooks = {});

} // namespace fw
