#pragma once

#include "maps/MapCatalogue.h"
#include "support/files/RegularFile.h"

#include <future>
#include <optional>

namespace fw {

struct AppContext;

// The data folder's map list read on a worker thread from construction on, so that a window can
// build itself meanwhile on the other core. The first take() gives what LoadAvailableMaps would
// give at that moment (a list changed since the read began is read again); later ones are
// LoadAvailableMaps itself.
class MapListPrefetch {
public:
    explicit MapListPrefetch(const AppContext& context);
    MapListPrefetch(const MapListPrefetch&) = delete;
    MapListPrefetch& operator=(const MapListPrefetch&) = delete;

    std::optional<MapCatalogue> take();

private:
    const AppContext& m_context;
    const QString m_path;
    std::optional<FileVersion> m_readVersion;
    std::future<MapCatalogue> m_read; // waits for the worker when it goes
};

} // namespace fw
