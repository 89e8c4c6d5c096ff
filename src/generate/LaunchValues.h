#pragma once

#include <QString>

namespace fw {

class ServerProfile;

// The memory sizes of the server's command line: the readings of their fields.
struct MemorySizes {
    double zone = 0;
    double hunk = 0;
    double sound = 0;
};
MemorySizes memorySizes(const ServerProfile& profile);

// The values of the server's command line, gathered while the configuration is written and
// repeated in its closing comment block.
struct LaunchValues {
    double zone = 0;
    double hunk = 0;
    double sound = 0;
    QString ip;
    qint32 port = 0;
    QString pure; // "+set sv_pure 1" or "... 0"
};

inline constexpr qint32 kDefaultLaunchPort = 27960;

// Throws FortwrightError 13 (type mismatch) when the port text is not a number.
LaunchValues gatherLaunchValues(const ServerProfile& profile);

// "+set " + the pure-server tag + " 1" when the box is on, " 0" when it is off.
QString pureFragment(const ServerProfile& profile);

} // namespace fw
