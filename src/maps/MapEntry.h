#pragma once

#include <QByteArrayView>
#include <QString>
#include <array>
#include <optional>

namespace fw {

inline const QString kDeathmatchGameTypes = QStringLiteral("ffa team round");
inline const QString kObjectiveGameTypes = QStringLiteral("objective");

// One map of the catalogue and one line of the map list file.
struct MapEntry {
    QString archive; // the pk3 file name as the folder listing spells it
    QString mapName;
    QString mapNameCopy; // the same name again; the tree's tag starts with it
    QString longName; // empty for the game's own maps
    QString gameTypes;

    // The five fields joined by single commas, nothing quoted.
    QString line() const;
    // A map-list line, in the code page's bytes, split at its commas; a line that does not split
    // into exactly five fields gives nothing.
    static std::optional<std::array<QByteArrayView, 5>> fieldsOf(QByteArrayView line);
    // "name,long name,game types", what a map node of the tree carries.
    QString tag() const;

    bool operator==(const MapEntry&) const = default;
};

} // namespace fw

// A list of entries grows by moving its bytes, as a QString allows.
Q_DECLARE_TYPEINFO(fw::MapEntry, Q_RELOCATABLE_TYPE);
