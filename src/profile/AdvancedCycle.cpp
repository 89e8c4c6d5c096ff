#include "profile/AdvancedCycle.h"

#include "profile/DmFlags.h"
#include "profile/ServerProfile.h"

namespace fw {

namespace {

QString tagAndValue(const ServerProfile& profile, FieldId id)
{
    return SettingsCatalogue::tag(id) + QLatin1Char(' ') + profile.text(id);
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
        cycle.FragLimits << tagAndValue(profile, field::FragLimit);
        cycle.TimeLimits << tagAndValue(profile, field::TimeLimit);
        cycle.CaptureLimits << tagAndValue(profile, field::RoundLimit);
        cycle.QuadFactors << tagAndValue(profile, field::MovementTimeOut);
        cycle.Knockbacks << tagAndValue(profile, field::WalkSpeed);
        cycle.WeaponRespawns << tagAndValue(profile, field::RunSpeed);
        cycle.Speeds << tagAndValue(profile, field::MaxVelocity);
        cycle.Gravities << tagAndValue(profile, field::Gravity);
    }
    return cycle;
}

} // namespace fw
