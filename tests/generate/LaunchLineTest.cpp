#include "generate/LaunchLine.h"
#include "generate/LaunchValues.h"
#include "profile/ServerProfile.h"

namespace {

QString lineOf(const ServerProfile& profile)
{
    const std::optional<LaunchLine> line = buildLaunchLine(gatherLaunchValues(profile), profile, u"x.cfg"_s);
    return line ? line->line : u"<none>"_s;
}

} // namespace

TEST(LaunchLine, TheFormsByServerTypeAddressAndPort)
{
    ServerProfile profile;
    profile.setValue(G::txtAdministration, 15, u"10.0.0.5"_s);
    profile.select(G::optServerType, 0); // LAN
    EXPECT_EQ(lineOf(profile),
        u"MOHAA_server.exe +set dedicated 1 +set net_ip 10.0.0.5 +set sv_pure 1 +set vm_game 0 "
        "+set net_port 12203 +set com_hunkmegs 56 +set com_zonemegs 16 +set g_gametype 1 +exec x.cfg"_s);

    profile.setValue(G::txtAdministration, 16, u"0"_s);
    profile.select(G::optServerType, 2); // Listen
    profile.setValue(G::chkSOF2Options, 8, u"0"_s);
    profile.clearSelection(G::optGameType);
    EXPECT_EQ(lineOf(profile),
        u"MOHAA_server.exe +set dedicated 0 +set net_ip 10.0.0.5 +set sv_pure 0 +set vm_game 0 "
        "+set com_hunkmegs 56 +set com_zonemegs 16 +exec x.cfg"_s);

    profile.setValue(G::txtAdministration, 15, QString());
    profile.select(G::optServerType, 1);
    profile.setValue(G::txtGameSettings, 10, u"64.5"_s);
    EXPECT_EQ(lineOf(profile),
        u"MOHAA_server.exe +set dedicated 2 +set com_hunkmegs 64.5 +set sv_pure 0 +set vm_game 0 "
        "+set com_zonemegs 16 +exec x.cfg"_s);

    profile.clearSelection(G::optServerType);
    EXPECT_EQ(lineOf(profile), u"<none>"_s) << "no server type, no line";
}
