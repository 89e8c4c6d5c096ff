#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace fw {

class ServerProfile;
struct LaunchValues;

// The server's command line as one text, the program name first.
struct LaunchLine {
    QString line;

    QString program() const;
    // The words after the program name, split at blanks as the server splits its command line.
    QStringList arguments() const;
};

inline const QString kServerProgram = QStringLiteral("MOHAA_server.exe");

// The command line that starts the server for the selected server type, or nothing when no
// server type is selected. configName is used as given (its blanks already replaced).
std::optional<LaunchLine> buildLaunchLine(
    const LaunchValues& values, const ServerProfile& profile, const QString& configName);

// The configuration name the launch line executes for a typed name: trimmed, ".cfg" added unless
// it ends so, and every blank replaced by "_".
QString launchConfigName(const QString& typedName);

// " +set g_gametype " + the tag of the selected game type; empty when none is selected.
QString gameTypeFragment(const ServerProfile& profile);

} // namespace fw
