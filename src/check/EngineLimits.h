#pragma once

#include <QtGlobal>

namespace fw::engine {

// The limits of a Quake-3-family server (the MOHAA servers share the code) that decide what it
// makes of Fortwright's files and datagrams.

// The server info string (MAX_INFO_STRING): a key that would make it reach 1,024 bytes is
// dropped with "Info string length exceeded".
inline constexpr int kInfoStringLimit = 1024;
// What the engine adds to the server info itself after the configuration has run (version,
// protocol, map name, game type, client counts, limits): about this much on a MOHAA-family
// server, so the configuration's own keys must leave room for it.
inline constexpr int kEngineInfoShare = 200;

// An out-of-band datagram's text ("rcon PASSWORD say LINE") is read up to its first line break or
// NUL and kept to about this many characters; the rest of a timed message is lost.
inline constexpr int kCommandLimit = 1023;

// The port a server listens on when its command line names none.
inline constexpr int kServerDefaultPort = 12203;

} // namespace fw::engine
