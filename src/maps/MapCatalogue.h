#pragma once

#include "maps/MapEntry.h"

#include <QList>

namespace fw {

// The maps of one archive node: consecutive entries whose archive names match ignoring case.
struct ArchiveGroup {
    QString archive; // as the first entry of the group spells it
    QList<MapEntry> maps;
};

// Every map the last scan found, in the order of the map list file. The same map may appear
// more than once (under two archives, or twice in one).
class MapCatalogue {
public:
    MapCatalogue() = default;
    explicit MapCatalogue(QList<MapEntry> entries);

    void append(const MapEntry& entry) { m_entries.append(entry); }
    const QList<MapEntry>& entries() const { return m_entries; }
    qsizetype count() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }

    QList<ArchiveGroup> groups() const;
    // "31 Maps available".
    QString countText() const;

private:
    QList<MapEntry> m_entries;
};

} // namespace fw
