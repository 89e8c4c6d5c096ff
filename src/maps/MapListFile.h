#pragma once

#include "maps/MapCatalogue.h"

#include <optional>

namespace fw {

struct AppContext;

// The map list in the data folder, rewritten by every scan and read into the available maps.
inline const QString kMapListFileName = QStringLiteral("Main.efr");
inline const QString kMapListMissingMessage
    = QStringLiteral("Unable to locate Fortwright Map List, please run a new Map Scan        ");

// Reads a map list file. A line that does not split into five fields gives no entry but is
// counted, a blank line is neither, and a file that cannot be read gives an empty catalogue:
// none of these is shown; failure (when given) receives why a list that is there could not be
// opened.
MapCatalogue readMapList(const QString& path, QString* failure = nullptr);

// The catalogue behind the available-maps tree. When the data folder holds no map list, shows
// the exclamation box asking for a new scan and gives nothing, so the caller keeps what it shows.
// A list that is there but cannot be opened gives an empty catalogue, and failure says why.
std::optional<MapCatalogue> LoadAvailableMaps(const AppContext& context, QString* failure = nullptr);

} // namespace fw
