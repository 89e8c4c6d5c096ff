#pragma once

#include "profile/SettingsCatalogue.h"

#include <QList>
#include <QString>
#include <optional>

namespace fw {

class ServerProfile;

// The section and key of the saved map-cycle path, the one profile entry that is no window field.
inline const QString kSavedCycleSection = QStringLiteral("SavedMapcycle");

// One key of a profile file and the field it stands for.
struct ProfileKey {
    QString section;
    QString key;
    std::optional<SettingGroup> group; // empty for the saved map-cycle path
    int index; // the member's index; -1 for a single control and for an option set's one key
    ProfileEncoding encoding;
};

// Every key of a profile, in the order a save writes them: the sections in file order, each
// array's members lowest index first. Section names come from the catalogue's group table.
const QList<ProfileKey>& profileKeys();

// What a profile file would hold, one value per key of profileKeys(): two profiles with the same
// values save to the same file.
QStringList profileValues(const ServerProfile& profile);

} // namespace fw
