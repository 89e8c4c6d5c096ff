#pragma once

#include "profile/ProfileLists.h"

#include <QDateTime>

namespace fw {

class Prompter;

// Appends a ban for the typed address (trimmed) dated "mm/dd/yyyy"; false, nothing added, when
// the address is only blanks.
bool addBan(QList<BanEntry>& bans, const QString& typedAddress, const QDateTime& now);

// A configuration row described from the file at path: last-modified date and time as the
// system writes them, size in kilobytes of 1000 rounded to 2 decimals in the system's number
// format ("0" for an empty file), name, full path. Throws FortwrightError 53 when the file is
// gone.
AdditionalConfig describeConfiguration(const QString& path);

// Whether a configuration row already names this path.
bool IsConfigLoaded(const QString& path, const QList<AdditionalConfig>& configs);
// Whether the configuration may go in: it is not loaded yet, or the user says to go on after being
// told it is.
bool mayLoadConfiguration(const QString& path, const QList<AdditionalConfig>& configs, Prompter& prompter);

// Whether a row names a file that no longer exists (painted struck through in red).
bool isConfigMissing(const AdditionalConfig& config);
// Whether a row names a file that is there, which the server configuration executes; a path
// made only of blanks names none.
bool isConfigPresent(const AdditionalConfig& config);

} // namespace fw
