#pragma once

#include "profile/ProfileLists.h"

#include <QLocale>
#include <QString>

namespace fw {

// A configuration-list row describing the file at path: its last-modified date and time as the
// system writes them, its size in kilobytes of 1000 bytes to two decimals in the system's number
// format (2048 bytes give 2.05, an empty file 0), its name and its full path. Throws
// FortwrightError (53) when no file exists there.
AdditionalConfig describeConfigFile(const QString& path, const QLocale& locale = QLocale::system());

} // namespace fw
