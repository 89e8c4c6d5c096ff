#include "generate/MapList.h"

#include "profile/ProfileLists.h"

namespace fw {

namespace {

QString mapPath(const RotationRow& row)
{
    return (row.isObjective() ? QStringLiteral("obj/") : QStringLiteral("dm/")) + row.mapName;
}

} // namespace

QString gstr_MakeMapList(const MapRotation& rotation)
{
    QString list;
    for (const RotationRow& row : rotation.rows)
        list += QLatin1Char(' ') + mapPath(row);
    return list;
}

QString startLineFor(const RotationRow& row)
{
    return QStringLiteral("Map ") + mapPath(row);
}

} // namespace fw
