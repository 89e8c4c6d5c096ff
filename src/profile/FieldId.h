#pragma once

#include "profile/SettingGroup.h"

#include <QHashFunctions>

namespace fw {

// One field of the catalogue: its group and, in a control array, its index (-1 for a single
// control).
struct FieldId {
    SettingGroup group;
    int index = -1;

    friend constexpr bool operator==(FieldId, FieldId) = default;
};

inline size_t qHash(FieldId id, size_t seed = 0) noexcept
{
    return qHashMulti(seed, int(id.group), id.index);
}

// The fields the program's code refers to by name; every other field is reached through the
// catalogue's rows.
namespace field {
inline constexpr FieldId ConfigName { SettingGroup::txtAdministration, 1 };
inline constexpr FieldId RconPassword { SettingGroup::txtAdministration, 13 };
inline constexpr FieldId ServerIp { SettingGroup::txtAdministration, 15 };
inline constexpr FieldId ServerPort { SettingGroup::txtAdministration, 16 };
inline constexpr FieldId HunkMegs { SettingGroup::txtGameSettings, 10 };
inline constexpr FieldId SoundMegs { SettingGroup::txtGameSettings, 11 };
inline constexpr FieldId ZoneMegs { SettingGroup::txtGameSettings, 12 };
inline constexpr FieldId TimeOut { SettingGroup::txtGameSettings, 18 };
inline constexpr FieldId PureServer { SettingGroup::chkSOF2Options, 8 };
// The Map Wizard hands these on to every map of an advanced cycle.
inline constexpr FieldId FragLimit { SettingGroup::GameLimit, 0 };
inline constexpr FieldId TimeLimit { SettingGroup::GameLimit, 1 };
inline constexpr FieldId RoundLimit { SettingGroup::GameLimit, 2 };
inline constexpr FieldId MovementTimeOut { SettingGroup::txtMovement, 0 };
inline constexpr FieldId WalkSpeed { SettingGroup::txtMovement, 1 };
inline constexpr FieldId RunSpeed { SettingGroup::txtMovement, 2 };
inline constexpr FieldId MaxVelocity { SettingGroup::txtMovement, 3 };
inline constexpr FieldId Gravity { SettingGroup::txtMovement, 4 };
} // namespace field

} // namespace fw
