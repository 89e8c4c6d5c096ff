#include "maps/MapEntry.h"

#include <QStringBuilder>
#include <QStringList>

namespace fw {

QString MapEntry::line() const
{
    return archive % u',' % mapName % u',' % mapNameCopy % u',' % longName % u',' % gameTypes;
}

std::optional<std::array<QByteArrayView, 5>> MapEntry::fieldsOf(QByteArrayView line)
{
    std::array<QByteArrayView, 5> fields;
    for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
        const qsizetype comma = line.indexOf(',');
        if (comma < 0)
            return std::nullopt;
        fields[i] = line.first(comma);
        line = line.sliced(comma + 1);
    }
    if (line.contains(','))
        return std::nullopt;
    fields.back() = line;
    return fields;
}

QString MapEntry::tag() const
{
    return QStringList { mapNameCopy, longName, gameTypes }.join(QLatin1Char(','));
}

} // namespace fw
