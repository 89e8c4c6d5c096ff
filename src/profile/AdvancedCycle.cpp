#include "profile/AdvancedCycle.h"

#include "profile/DmFlags.h"
#include "profile/ServerProfile.h"

namespace fw {

namespace {

QString tagAndValue(const ServerProfile& profile, SettingGroup group, int index)
{
    return SettingsCatalogue::tag(group, index) + QLatin1Char(' ') + profile.text(group, index);
}

} // namespace

AdvancedCycle handOverCycle(const ServerProfile& profile)
{
    using G = SettingGroup;
    AdvancedCycle cycle;
    cycle.LastIndex = QString::number(profile.rotation.rows.size() - 1);
    const QString gameType = profile.selected(G::optGameType) < 0
        ? QString()
        : QStringLiteral("g_gametype ") + profile.selectedTag(G::optGameType);
    const QString flags = QStringLiteral("dmflags ") + QString::number(dmFlagSum(profile));
    for (const RotationRow& row : profile.rotation.rows) {
        cycle.MapNames << row.mapName;
        cycle.GameTypes << gameType;
        cycle.DMFlagSums << flags;
        cycle.FragLimits << tagAndValue(profile, G::GameLimit, 0);
        cycle.TimeLimits << tagAndValue(profile, G::GameLimit, 1);
        cycle.CaptureLimits << tagAndValue(profile, G::GameLimit, 2);
        cycle.QuadFactors << tagAndValue(profile, G::txtMovement, 0);
        cycle.Knockbacks << tagAndValue(profile, G::txtMovement, 1);
        cycle.WeaponRespawns << tagAndValue(profile, G::txtMovement, 2);
        cycle.Speeds << tagAndValue(profile, G::txtMovement, 3);
        cycle.Gravities << tagAndValue(profile, G::txtMovement, 4);
    }
    return cycle;
}

} // namespace fw
