#pragma once

namespace fw {

class ServerProfile;
struct AppContext;

// Writes Banned.cfg into the game's Main folder: the server's address filter reset, switched on
// and filled with the profile's banned addresses in list order. A failure is reported through
// the error log and gives false.
bool gbln_MakeBANList(const ServerProfile& profile, AppContext& ctx);

} // namespace fw
