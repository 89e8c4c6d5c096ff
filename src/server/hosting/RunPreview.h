#pragma once

#include <QString>

namespace fw {

class ServerProfile;

// The whole command Run starts for these settings (HostCommand::displayText), or a sentence saying
// why it starts none; the window's preview and the command line's launch-line show the same text.
QString runCommandPreview(const ServerProfile& profile, const QString& gamePath, const QString& storedChoice);

} // namespace fw
