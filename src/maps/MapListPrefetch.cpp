#include "maps/MapListPrefetch.h"

#include "maps/MapListFile.h"
#include "support/AppContext.h"

namespace fw {

MapListPrefetch::MapListPrefetch(const AppContext& context)
    : m_context(context)
    , m_path(context.dataPath(kMapListFileName))
{
    m_readVersion = regularFileVersion(m_path);
    if (!m_readVersion)
        return;
    m_read = std::async(std::launch::async, [path = m_path] { return readMapList(path); });
}

std::optional<MapCatalogue> MapListPrefetch::take()
{
    if (!m_read.valid())
        return LoadAvailableMaps(m_context);
    MapCatalogue early = m_read.get();
    if (regularFileVersion(m_path) != m_readVersion)
        return LoadAvailableMaps(m_context);
    return early;
}

} // namespace fw
