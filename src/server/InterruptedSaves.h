#pragma once

#include <QDateTime>

namespace fw {

struct AppContext;

// Removes what interrupted saves left in the program's own folders (the data folder and the
// settings store's folder): the temporary "<name>.XXXXXX" beside a file the program writes
// whole, and the ".profile-XXXXXX" of earlier versions. Only those older than a minute go, so
// a save under way in another instance is left alone. Returns how many were removed. File ages
// are the file system's own time, not the clock that stamps the files written.
int removeInterruptedSaves(const AppContext& context, const QDateTime& now = QDateTime::currentDateTimeUtc());

} // namespace fw
