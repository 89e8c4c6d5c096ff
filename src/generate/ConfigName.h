#pragma once

#include <QString>
#include <optional>

namespace fw {

class Prompter;
class ServerProfile;

// The one check of a configuration name before anything is written under it: given, and usable as
// a file name. Nothing, after missingMessage or the file-name check's own message, when it is not.
std::optional<QString> checkedName(const QString& name, Prompter& prompter, const QString& missingMessage);
// The profile's configuration name, trimmed, through that check.
std::optional<QString> checkedConfigName(
    const ServerProfile& profile, Prompter& prompter, const QString& missingMessage);
// The export command's file name: the checked name (export's wording) with ".cfg".
std::optional<QString> exportConfigName(const ServerProfile& profile, Prompter& prompter);

} // namespace fw
