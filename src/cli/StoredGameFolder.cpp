#include "cli/StoredGameFolder.h"

#include "profile/AppState.h"
#include "support/RegistryStore.h"

namespace fw::cli {

QString storedGameFolder(const QString&)
{
    return AppState(defaultSettingsStorePath()).gameFolder();
}

} // namespace fw::cli
