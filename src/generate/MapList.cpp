#include "generate/MapList.h"

#include "profile/ProfileLists.h"

namespace fw {

QString gstr_MakeMapList(const MapRotation& rotation)
{
    QString list;
    for (const RotationRow& row : rotation.rows)
        list += QLatin1Char(' ') + row.mapPath();
    return list;
}

} // namespace fw
