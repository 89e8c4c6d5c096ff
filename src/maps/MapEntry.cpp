#include "maps/MapEntry.h"

#include <QStringBuilder>
#include <QStringList>

namespace fw {

QString MapEntry::line() const
{
    return archive % u',' % mapName % u',' % mapNameCopy % u',' % longName % u',' % gameTypes;
}

std::optional<MapEntry> MapEntry::fromLine(const QString& line)
{
    const QStringList fields = line.split(QLatin1Char(','));
    if (fields.size() != 5)
        return std::nullopt;
    return MapEntry { fields[0], fields[1], fields[2], fields[3], fields[4] };
}

QString MapEntry::tag() const
{
    return QStringList { mapNameCopy, longName, gameTypes }.join(QLatin1Char(','));
}

} // namespace fw
