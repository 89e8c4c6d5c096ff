#pragma once

#include <QStringList>

namespace fw {

class ServerProfile;

// The Map Wizard's per-map values of an advanced map cycle. Entry i belongs to rotation row i;
// every text but the map name is "tag value", ready to be written as an assignment.
struct AdvancedCycle {
    QString LastIndex; // the last entry index in decimal
    QStringList MapNames;
    QStringList GameTypes; // "g_gametype 4"
    QStringList FragLimits;
    QStringList TimeLimits;
    QStringList CaptureLimits;
    QStringList QuadFactors;
    QStringList Knockbacks;
    QStringList WeaponRespawns;
    QStringList Speeds;
    QStringList Gravities;
    QStringList DMFlagSums; // "dmflags 40"
};

// The record the wizard starts from: one entry per rotation row, each holding the profile's
// game type, DM flags, limits and movement values. An empty rotation gives LastIndex "-1".
AdvancedCycle handOverCycle(const ServerProfile& profile);

} // namespace fw
