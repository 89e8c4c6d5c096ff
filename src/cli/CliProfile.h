#pragma once

#include "profile/ServerProfile.h"

#include <QCommandLineParser>

namespace fw::cli {

class CliSession;

// The profile a command works on: the --profile file, else Default.ini in the data folder.
QString profilePathFor(CliSession& session, const QCommandLineParser& parser);

// The profile at path applied to the initial values. A --profile file that does not exist is a
// failure when mustExist is set; a missing Default.ini leaves the initial values. A file that is
// there but cannot be read is a failure that gives the system's reason.
ServerProfile loadProfileAt(const QString& path, bool mustExist);

// The settings and lists as the window would hold them after opening with this profile, with the
// value warnings on standard error.
ServerProfile windowProfile(CliSession& session, const QCommandLineParser& parser);
// The same without the warnings, for a command that shows the whole check instead.
ServerProfile quietWindowProfile(CliSession& session, const QCommandLineParser& parser);

} // namespace fw::cli
