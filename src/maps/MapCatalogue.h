#pragma once

#include "maps/MapEntry.h"

#include <QList>
#include <span>

namespace fw {

// The maps of one archive node: consecutive entries whose archive names match ignoring case.
struct ArchiveGroup {
    QString archive; // as the first entry of the group spells it
    std::span<const MapEntry> maps; // inside the catalogue, while it lives unchanged
};

// Every map the last scan found, in the order of the map list file. The same map may appear
// more than once (under two archives, or twice in one).
class MapCatalogue {
public:
    MapCatalogue() = default;
    explicit MapCatalogue(QList<MapEntry> entries);

    void reserve(qsizetype entries) { m_entries.reserve(entries); }
    void append(MapEntry entry)
    {
        m_entries.append(std::move(entry));
        ++m_linesRead;
    }
    // A line of the map list that held no entry (it did not split into five fields): it shows
    // no map but still counts.
    void countUnreadableLine() { ++m_linesRead; }
    const QList<MapEntry>& entries() const { return m_entries; }
    qsizetype count() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }

    QList<ArchiveGroup> groups() const;
    // "31 Maps available": every line read, whether or not it gave an entry.
    QString countText() const { return countText(m_linesRead); }
    static QString countText(qsizetype lines);

private:
    QList<MapEntry> m_entries;
    qsizetype m_linesRead = 0;
};

} // namespace fw
