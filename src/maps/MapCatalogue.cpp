#include "maps/MapCatalogue.h"

namespace fw {

MapCatalogue::MapCatalogue(QList<MapEntry> entries)
    : m_entries(std::move(entries))
    , m_linesRead(m_entries.size())
{
}

QList<ArchiveGroup> MapCatalogue::groups() const
{
    QList<ArchiveGroup> out;
    for (const MapEntry& entry : m_entries) {
        if (out.isEmpty() || out.last().archive.compare(entry.archive, Qt::CaseInsensitive) != 0)
            out.append({ entry.archive, { &entry, 0 } });
        out.last().maps = { out.last().maps.data(), out.last().maps.size() + 1 };
    }
    return out;
}

QString MapCatalogue::countText(qsizetype lines)
{
    return QString::number(lines) + QStringLiteral(" Maps available");
}

} // namespace fw
