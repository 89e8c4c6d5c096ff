#include "maps/MapEntry.h"

#include <QStringBuilder>
#include <QStringList>
#include <QStringTokenizer>
#include <array>

namespace fw {

QString MapEntry::line() const
{
    return archive % u',' % mapName % u',' % mapNameCopy % u',' % longName % u',' % gameTypes;
}

std::optional<MapEntry> MapEntry::fromLine(QStringView line)
{
    std::array<QStringView, 5> fields;
    std::size_t count = 0;
    for (const QStringView field : QStringTokenizer(line, u',')) {
        if (count == fields.size())
            return std::nullopt;
        fields[count++] = field;
    }
    if (count != fields.size())
        return std::nullopt;
    MapEntry entry { fields[0].toString(), fields[1].toString(), QString(), QString(), fields[4].toString() };
    // A custom map's name is nearly always written three times; the copies then share its text.
    const auto sharedName
        = [&](QStringView field) { return field == fields[1] ? entry.mapName : field.toString(); };
    entry.mapNameCopy = sharedName(fields[2]);
    entry.longName = sharedName(fields[3]);
    return entry;
}

QString MapEntry::tag() const
{
    return QStringList { mapNameCopy, longName, gameTypes }.join(QLatin1Char(','));
}

} // namespace fw
