#pragma once

#include <QString>
#include <optional>

namespace fw {

class Prompter;
class ServerProfile;

// The values the batch file and the shell script put on their command lines.
struct ScriptValues {
    QString zone;
    QString hunk;
    QString sound;
    QString ip;
    QString port; // the field's text, or defaultPort when it reads as 0
    QString pure;
    QString configFile; // the configuration name as typed, blanks kept, with ".cfg"
};

inline const QString kBatchDefaultPort = QStringLiteral("27960");
inline const QString kShellDefaultPort = QStringLiteral("20101");

// The values, after the configuration-name checks: an empty name and a name with a forbidden
// character are refused with their messages (nothing is returned then).
std::optional<ScriptValues> scriptValues(
    const ServerProfile& profile, Prompter& prompter, const QString& defaultPort);

} // namespace fw
