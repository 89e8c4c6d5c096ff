#pragma once

#include <QString>
#include <optional>

namespace fw {

class Prompter;
class ServerProfile;

// Run's checks on the configuration name: one must be given and usable as a file name. The
// trimmed name when both pass; otherwise the refusal has been shown through the prompter.
std::optional<QString> checkedRunConfigName(const ServerProfile& profile, Prompter& prompter);

} // namespace fw
