#include "cli/StoredGameFolder.h"

namespace fw::cli {

// The settings store arrives with the application-state code; until then only --game-dir names
// the game folder.
QString storedGameFolder(const QString&)
{
    return {};
}

} // namespace fw::cli
