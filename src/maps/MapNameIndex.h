#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace fw {

class MapCatalogue;
struct MapEntry;

// Finds catalogue maps by name with one hashed lookup, as a command adding many maps to the
// rotation needs. The catalogue must outlive the index and stay unchanged.
class MapNameIndex {
public:
    explicit MapNameIndex(const MapCatalogue& catalogue);

    // The first map of that name in catalogue order (the tree's order), the exact spelling first,
    // then ignoring case; nothing when there is none.
    const MapEntry* find(const QString& name) const;

private:
    const MapCatalogue& m_catalogue;
    QHash<QString, qsizetype> m_exact;
    // By case-folded name; every map whose folded name is the key, in catalogue order.
    QHash<QString, QList<qsizetype>> m_folded;
};

} // namespace fw
