#pragma once

#include "generate/LaunchValues.h"

#include <QStringList>
#include <optional>

namespace fw {

class Clock;
class ServerProfile;
struct SettingField;

// What the configuration text needs beyond the profile: gathered by the writer first.
struct ServerConfigInputs {
    QString createdOnLine;
    QString mapList; // the sv_maplist value, untrimmed
    QStringList execNames; // additional configurations that exist on disk, in list order
    bool banListWritten = false;
    LaunchValues launch;
};

// The lines of the server configuration, in file order.
QStringList serverConfigLines(const ServerProfile& profile, const ServerConfigInputs& inputs);

// A field's line of the configuration, or nothing when its rule writes none for it.
std::optional<QString> fieldConfigLine(const ServerProfile& profile, const SettingField& field);

// The line that loads the first map: the profile's starting map when one is set, else the start
// line of the first rotation row; empty when there is neither.
QString startingMapLine(const ServerProfile& profile);

} // namespace fw
