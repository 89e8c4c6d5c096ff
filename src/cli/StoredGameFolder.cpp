#include "cli/StoredGameFolder.h"

#include "profile/AppState.h"
#include "support/files/DataFolder.h"

namespace fw::cli {

QString storedGameFolder(const QString& settingsStore)
{
    return cleanGameFolder(AppState(settingsStore).gameFolder());
}

} // namespace fw::cli
