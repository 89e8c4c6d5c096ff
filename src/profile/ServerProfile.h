#pragma once

#include "profile/ProfileLists.h"
#include "profile/SettingsCatalogue.h"

#include <QHash>
#include <QList>
#include <QString>

namespace fw {

// Every setting of one server configuration, addressed by group and index as the catalogue
// lists them, plus the lists the window keeps beside them. A fresh profile holds exactly the
// catalogue's initial values, an empty rotation, no bans, nine empty configuration rows and an
// empty message.
class ServerProfile {
public:
    ServerProfile();

    // The value of a text or number field as text; of a check box "0"/"1" (or another stored
    // check value); of an option member "1" when it is the selected one.
    QString value(SettingGroup group, int index = -1) const { return value(FieldId { group, index }); }
    QString value(FieldId id) const;
    // Sets a text, number or check field. False (nothing changed) when the group has no such
    // member, or for an option member (use select).
    bool setValue(FieldId id, const QString& value);
    bool setValue(SettingGroup group, int index, const QString& value)
    {
        return setValue({ group, index }, value);
    }
    bool setValue(SettingGroup group, const QString& value) { return setValue({ group, -1 }, value); }

    QString text(FieldId id) const { return value(id); }
    QString text(SettingGroup group, int index = -1) const { return value(group, index); }
    // A check box counts as on for any value but 0 (a grey box too).
    bool isOn(FieldId id) const;
    bool isOn(SettingGroup group, int index = -1) const { return isOn(FieldId { group, index }); }

    // The selected member of an option set, -1 when none is.
    int selected(SettingGroup group) const;
    // Selects a member; false (nothing changed) when the set has no such member.
    bool select(SettingGroup group, int index);
    void clearSelection(SettingGroup group);
    // The tag of the selected member, empty when none is selected.
    QString selectedTag(SettingGroup group) const;

    MapRotation rotation;
    QList<BanEntry> bans;
    QList<AdditionalConfig> configs; // always kAdditionalConfigRows rows
    QString message; // the server-message text, lines separated by CR LF

private:
    QHash<FieldId, QString> m_values;
    QHash<int, int> m_selection;
};

} // namespace fw
