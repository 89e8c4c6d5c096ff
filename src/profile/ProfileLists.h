#pragma once

#include <QList>
#include <QString>

namespace fw {

// One map of the rotation, as its three grid columns hold it.
struct RotationRow {
    QString mapName;
    QString gameTypes; // exactly "objective" marks an objective map; anything else deathmatch
    QString longName;

    bool isObjective() const { return gameTypes == QLatin1String("objective"); }
    // "dm/name" or "obj/name", as the server's map list names the map.
    QString mapPath() const
    {
        return (isObjective() ? QStringLiteral("obj/") : QStringLiteral("dm/")) + mapName;
    }
    // The console line that loads the map: "Map dm/name" or "Map obj/name".
    QString startLine() const { return QStringLiteral("Map ") + mapPath(); }
    bool operator==(const RotationRow&) const = default;
};

// The rotation in cycle order, the starting map line ("Map dm/x", "Map obj/x" or empty), the row
// that last received the starting-map marker (the grid's tag: empty, read as 0), and the path of a
// saved map cycle.
struct MapRotation {
    QList<RotationRow> rows;
    QString startingMap;
    QString markerTag;
    QString savedCyclePath;
};

// One banned address with the date it was added ("mm/dd/yyyy").
struct BanEntry {
    QString added;
    QString address;
    bool operator==(const BanEntry&) const = default;
};

// One additional configuration row; an all-empty row is an unused slot.
struct AdditionalConfig {
    QString modified;
    QString size;
    QString name;
    QString fullPath;

    bool isEmpty() const
    {
        return modified.isEmpty() && size.isEmpty() && name.isEmpty() && fullPath.isEmpty();
    }
    bool operator==(const AdditionalConfig&) const = default;
};

inline constexpr int kAdditionalConfigRows = 9;

} // namespace fw
