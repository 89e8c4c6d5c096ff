#include "maps/MapListFile.h"

#include "support/AnsiTextFile.h"
#include "support/AppContext.h"
#include "support/FortwrightError.h"
#include "support/Prompter.h"
#include "support/RegularFile.h"

namespace fw {

MapCatalogue readMapList(const QString& path)
{
    MapCatalogue catalogue;
    QStringList lines;
    try {
        lines = splitTextLines(readAnsiFile(path));
    } catch (const FortwrightError&) {
        return catalogue;
    }
    for (const QString& line : lines) {
        if (const std::optional<MapEntry> entry = MapEntry::fromLine(line))
            catalogue.append(*entry);
        else if (!line.isEmpty())
            catalogue.countUnreadableLine();
    }
    return catalogue;
}

std::optional<MapCatalogue> LoadAvailableMaps(const AppContext& context)
{
    const QString path = context.dataPath(kMapListFileName);
    if (!isRegularFile(path)) {
        context.prompter.warn(kMapListMissingMessage);
        return std::nullopt;
    }
    return readMapList(path);
}

} // namespace fw
