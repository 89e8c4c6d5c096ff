#include "maps/WizardFields.h"

namespace fw {

const QList<WizardField>& WizardFields::all()
{
    using G = WizardGroup;
    static const QList<WizardField> kFields = {
        { G::optGameType, 0, "0", "Free for All", "You are against everybody and everybody is against you" },
        { G::optGameType, 1, "1", "1v1 Tournament", "" },
        { G::optGameType, 2, "3", "Team DeathMatch", "Your goal is to accrue kills for your team" },
        { G::optGameType, 3, "4", "Capture the Flag",
            "The team's goal is to get their flag from the enemy base and bring it back to their base while "
            "protecting your flag" },
        { G::chkDMFlags, 0, "8", "No Falling &Damage", "" },
        { G::chkDMFlags, 1, "16", "Fixed Field Of Vision", "" },
        { G::chkDMFlags, 2, "32", "No Fo&otsteps", "" },
        { G::GameLimit, 0, "fraglimit", "Frags",
            "Sets the number of kills a single person must reach before the map is cycled.  0 turns this "
            "feature off.  "
            "Default is 20",
            0, 300 },
        { G::GameLimit, 1, "timelimit", "Time",
            "Sets the amount of time (in minutes) before the map is cycled.  0 turns this feature off.  "
            "Default is 0",
            0, 60 },
        { G::GameLimit, 2, "capturelimit", "Captures", "Specify number of flag captures to win the game", 0,
            100 },
        { G::txtMovement, 0, "g_quadfactor", "Quad Damage",
            "Set multiples of damage caused by the quad damage powerup", 0, 10 },
        { G::txtMovement, 1, "g_knockback", "Knockback",
            "The knockback from a weapon, higher number = greater knockback", 0, 5000 },
        { G::txtMovement, 2, "g_weaponrespawn", "Weapon Respawn",
            "Set time before a picked up weapon will respawn again 0 = weapons stay", 0, 320 },
        { G::txtMovement, 3, "g_speed", "Speed", "Set the games run speed", 0, 3000 },
        { G::txtMovement, 4, "g_gravity", "Gravity", "Set the games gravity", 0, 3000 },
    };
    return kFields;
}

QList<WizardField> WizardFields::members(WizardGroup group)
{
    QList<WizardField> out;
    for (const WizardField& f : all()) {
        if (f.group == group)
            out.append(f);
    }
    return out;
}

QString WizardFields::tag(WizardGroup group, int index)
{
    for (const WizardField& f : all()) {
        if (f.group == group && f.index == index)
            return f.tag;
    }
    return {};
}

QString WizardFields::groupName(WizardGroup group)
{
    switch (group) {
    case WizardGroup::optGameType:
        return QStringLiteral("optGameType");
    case WizardGroup::chkDMFlags:
        return QStringLiteral("chkDMFlags");
    case WizardGroup::GameLimit:
        return QStringLiteral("GameLimit");
    case WizardGroup::txtMovement:
        return QStringLiteral("txtMovement");
    }
    return {};
}

} // namespace fw
