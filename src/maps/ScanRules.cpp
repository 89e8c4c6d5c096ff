#include "maps/ScanRules.h"

#include "maps/Pk3Archive.h"

#include <algorithm>

namespace fw {

namespace {

bool endsInBsp(const QString& name)
{
    return name.right(3).toLower() == QLatin1String("bsp");
}

QList<MapEntry> fixedMaps(const QString& archive, std::initializer_list<const char*> names,
    const QString& gameTypes, QList<MapEntry> into = {})
{
    for (const char* name : names) {
        const QString map = QString::fromLatin1(name);
        into.append({ archive, map, map, QString(), gameTypes });
    }
    return into;
}

} // namespace

bool isPk3Name(const QString& fileName)
{
    return fileName.size() > 4 && fileName.right(3).toUpper() == QLatin1String("PK3");
}

std::optional<QList<MapEntry>> stockArchiveMaps(const QString& fileName)
{
    const QString upper = fileName.toUpper();
    if (upper == QLatin1String("PAK5.PK3")) {
        return fixedMaps(fileName, { "mohdm1", "mohdm2", "mohdm3", "mohdm4", "mohdm5", "mohdm6", "mohdm7" },
            kDeathmatchGameTypes,
            fixedMaps(fileName, { "obj_team1", "obj_team2", "obj_team3", "obj_team4" }, kObjectiveGameTypes));
    }
    if (upper == QLatin1String("PAK6.PK3"))
        return fixedMaps(fileName, { "mohdm6" }, kDeathmatchGameTypes);
    static const QStringList empty { QStringLiteral("PAK0.PK3"), QStringLiteral("PAK1.PK3"),
        QStringLiteral("PAK2.PK3"), QStringLiteral("PAK3.PK3"), QStringLiteral("PAK4.PK3") };
    if (empty.contains(upper))
        return QList<MapEntry>();
    return std::nullopt;
}

QString gameTypesOfFolder(const QString& folder)
{
    if (folder == QLatin1String("maps\\dm\\"))
        return kDeathmatchGameTypes;
    if (folder == QLatin1String("maps\\obj\\"))
        return kObjectiveGameTypes;
    return {};
}

QList<MapEntry> customArchiveMaps(const Pk3Archive& archive, const QString& fileName, QStringList* skipped)
{
    QList<MapEntry> maps;
    bool hasLongEnoughMap = false;
    for (const Pk3Entry& entry : archive.mapCandidates()) {
        if (entry.fileName.size() <= 4 || !endsInBsp(entry.fileName))
            continue;
        hasLongEnoughMap = hasLongEnoughMap || entry.fileName.size() > 5;
        const qsizetype dot = entry.fileName.indexOf(QLatin1Char('.'));
        const QString map = dot < 0 ? entry.fileName : entry.fileName.left(dot);
        if (!isWellFormedListName(map)) {
            if (skipped)
                skipped->append(entry.fileName);
            continue;
        }
        maps.append({ fileName, map, map, map, gameTypesOfFolder(entry.folder) });
    }
    return hasLongEnoughMap ? maps : QList<MapEntry>();
}

bool isWellFormedListName(const QString& name)
{
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x7F || c == u'"' || c == u',' || c == u';';
    });
}

QString visibleName(const QString& name)
{
    QString shown;
    shown.reserve(name.size());
    for (const QChar c : name) {
        if (c == u'\r')
            shown += QLatin1String("\\r");
        else if (c == u'\n')
            shown += QLatin1String("\\n");
        else if (c == u'\t')
            shown += QLatin1String("\\t");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

} // namespace fw
