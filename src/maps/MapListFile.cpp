#include "maps/MapListFile.h"

#include "support/AppContext.h"
#include "support/files/RegularFile.h"
#include "support/platform/Prompter.h"
#include "support/text/AnsiCodec.h"

#include <QFile>
#include <algorithm>
#include <cstring>

namespace fw {
namespace {

// Builds entries from the list's bytes, decoding only the texts it keeps. An archive's name
// repeats on each of its maps, a custom map's name is nearly always written three times and the
// game types are nearly always one of two texts: sharing these spares a large catalogue an
// allocation for each on every entry.
class MapListParser {
public:
    std::optional<MapEntry> entryFrom(QByteArrayView line)
    {
        const auto fields = MapEntry::fieldsOf(line);
        if (!fields)
            return std::nullopt;
        const auto& [archive, mapName, mapNameCopy, longName, gameTypes] = *fields;
        MapEntry entry;
        if (archive != QByteArrayView(m_archiveBytes)) {
            m_archiveBytes = archive.toByteArray();
            m_archive = fromAnsi(archive);
        }
        entry.archive = m_archive;
        entry.mapName = fromAnsi(mapName);
        entry.mapNameCopy = mapNameCopy == mapName ? entry.mapName : fromAnsi(mapNameCopy);
        entry.longName = longName == mapName ? entry.mapName : fromAnsi(longName);
        entry.gameTypes = sharedGameTypes(gameTypes);
        return entry;
    }

private:
    static QString sharedGameTypes(QByteArrayView bytes)
    {
        // Both usual texts are plain ASCII, where the code page and Latin-1 agree.
        for (const QString& types : { kDeathmatchGameTypes, kObjectiveGameTypes }) {
            if (QLatin1StringView(bytes) == types)
                return types;
        }
        return fromAnsi(bytes);
    }

    // The previous line's archive field, whose text every line of that archive shares; at first
    // empty, which an empty field's text matches.
    QByteArray m_archiveBytes;
    QString m_archive;
};

// A large list is read in pieces through one small buffer instead of whole: on a fresh process,
// the memory its bytes would take first costs more than parsing them.
constexpr qsizetype kPieceSize = 64 * 1024;

qsizetype countLineFeeds(QFile& file, QByteArray& buffer)
{
    qsizetype count = 0;
    for (qint64 got; (got = file.read(buffer.data(), buffer.size())) > 0;)
        count += std::count(buffer.cbegin(), buffer.cbegin() + got, '\n');
    file.seek(0);
    return count;
}

// Gives `take` every run of bytes between line ends, each CR and each LF ending one (so the
// empty run inside a CR LF pair too), and the bytes after the last line end. A read error ends
// the file where it happens.
template <typename Take> void forEachLine(QFile& file, QByteArray& buffer, Take&& take)
{
    const auto lineEnd = [](char c) { return c == '\r' || c == '\n'; };
    qsizetype kept = 0; // the start of a line that the previous piece did not end
    for (;;) {
        if (kept == buffer.size())
            buffer.resize(buffer.size() * 2);
        const qint64 got = std::max<qint64>(file.read(buffer.data() + kept, buffer.size() - kept), 0);
        QByteArrayView rest(buffer.constData(), kept + got);
        for (auto end = std::find_if(rest.begin(), rest.end(), lineEnd); end != rest.end();
             end = std::find_if(rest.begin(), rest.end(), lineEnd)) {
            take(QByteArrayView(rest.begin(), end));
            rest = QByteArrayView(end + 1, rest.end());
        }
        if (got == 0) {
            if (!rest.isEmpty())
                take(rest);
            return;
        }
        std::memmove(buffer.data(), rest.data(), rest.size());
        kept = rest.size();
    }
}

} // namespace

MapCatalogue readMapList(const QString& path, QString* failure)
{
    MapCatalogue catalogue;
    QFile file(path);
    if (!openRegularFile(file, failure))
        return catalogue;
    QByteArray buffer(kPieceSize, Qt::Uninitialized);
    catalogue.reserve(countLineFeeds(file, buffer) + 1);
    MapListParser parser;
    // Blank lines count for nothing, so the empty runs inside CR LF pairs are skipped like any other.
    forEachLine(file, buffer, [&](QByteArrayView line) {
        if (std::optional<MapEntry> entry = parser.entryFrom(line))
            catalogue.append(std::move(*entry));
        else if (!line.isEmpty())
            catalogue.countUnreadableLine();
    });
    return catalogue;
}

std::optional<MapCatalogue> LoadAvailableMaps(const AppContext& context, QString* failure)
{
    const QString path = context.dataPath(kMapListFileName);
    if (!isRegularFile(path)) {
        context.prompter.warn(kMapListMissingMessage);
        return std::nullopt;
    }
    return readMapList(path, failure);
}

} // namespace fw
