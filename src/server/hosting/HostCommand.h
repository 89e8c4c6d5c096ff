#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace fw {

class ServerProfile;
struct LaunchValues;
struct ServerProgram;

// A server process to start: what runs, with which arguments, in which folder.
struct HostCommand {
    QString program; // full path of what is executed (wine's when throughWine)
    QStringList arguments; // each token its own argument
    QString workingDir; // the game folder
    bool native = false; // a native dedicated server, which Fortwright supervises

    // The whole command line as a user would type it in a POSIX shell (arguments quoted where
    // they need it), for previews and messages.
    QString displayText() const;
};

// The command that starts the server for the launch line of this profile and configuration name,
// with the given program; nothing when no server type is selected. The arguments are the launch
// line's, one token each; for a native server "+exec" names the configuration file as written in
// the game's main folder, so that a case-sensitive file system opens that very file.
std::optional<HostCommand> hostCommand(const LaunchValues& values, const ServerProfile& profile,
    const QString& configName, const QString& gamePath, const ServerProgram& program);

} // namespace fw
