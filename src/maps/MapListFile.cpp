#include "maps/MapListFile.h"

#include "support/AnsiTextFile.h"
#include "support/AppContext.h"
#include "support/FortwrightError.h"
#include "support/Prompter.h"
#include "support/RegularFile.h"

#include <algorithm>

namespace fw {
namespace {

// An archive's name repeats on each of its maps and the game types are nearly always one of two
// texts: sharing them spares a large catalogue a copy of each on every entry.
void shareRepeatedText(MapEntry& entry, const MapCatalogue& before)
{
    if (!before.isEmpty() && entry.archive == before.entries().last().archive)
        entry.archive = before.entries().last().archive;
    for (const QString& types : { kDeathmatchGameTypes, kObjectiveGameTypes }) {
        if (entry.gameTypes == types)
            entry.gameTypes = types;
    }
}

} // namespace

MapCatalogue readMapList(const QString& path)
{
    MapCatalogue catalogue;
    QString text;
    try {
        text = readAnsiFile(path);
    } catch (const FortwrightError&) {
        return catalogue;
    }
    // Blank lines count for nothing, so every CR and every LF can end a line: the empty lines
    // this finds inside CR LF pairs are skipped like any other, and no line is copied.
    const auto lineEnd = [](QChar c) { return c == u'\r' || c == u'\n'; };
    catalogue.reserve(text.count(u'\n') + 1);
    for (auto from = text.cbegin(); from != text.cend();) {
        const auto to = std::find_if(from, text.cend(), lineEnd);
        const QStringView line(from, to);
        if (std::optional<MapEntry> entry = MapEntry::fromLine(line)) {
            shareRepeatedText(*entry, catalogue);
            catalogue.append(std::move(*entry));
        } else if (!line.isEmpty())
            catalogue.countUnreadableLine();
        from = to == text.cend() ? to : to + 1;
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
