#pragma once

#include <QString>
#include <optional>

namespace fw {

class ServerProfile;

// How a request is framed: the MOHAA family puts a direction byte 0x02 after the four 0xFF bytes
// and answers with a 0x01 there; the Quake 3 family (ioquake3, OpenArena) has neither.
enum class RconFraming { Mohaa, Quake3 };

inline constexpr quint16 kDefaultRconPort = 12203;
inline const QString kThisComputer = QStringLiteral("127.0.0.1");

// Where the two-way rcon path talks to: the timed messages keep their own destination.
struct RconTarget {
    QString host = kThisComputer;
    quint16 port = kDefaultRconPort;
    RconFraming framing = RconFraming::Mohaa;

    // "host:port", as messages name the target.
    QString address() const { return host + QLatin1Char(':') + QString::number(port); }
    friend bool operator==(const RconTarget&, const RconTarget&) = default;
};

// The profile's net_ip (this computer when empty or 0.0.0.0, which means every interface), and
// its net_port (12203 when empty or not a port number).
RconTarget rconTargetFor(const ServerProfile& profile);
// The profile's rcon password, trimmed as the timed messages trim it.
QString rconPasswordOf(const ServerProfile& profile);

// "mohaa" or "quake3" (any case); nothing for another word.
std::optional<RconFraming> framingNamed(const QString& name);
QString framingName(RconFraming framing);

} // namespace fw
