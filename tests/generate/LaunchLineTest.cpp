#include "generate/LaunchLine.h"
#include "generate/LaunchValues.h"
#include "profile/ServerProfile.h"
#include "testkit/TestData.h"

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
    QStringList lines { lineOf(profile) };

    profile.setValue(G::txtAdministration, 16, u"0"_s);
    profile.select(G::optServerType, 2); // Listen
    profile.setValue(G::chkSOF2Options, 8, u"0"_s);
    profile.clearSelection(G::optGameType);
    lines << lineOf(profile);

    profile.setValue(G::txtAdministration, 15, QString());
    profile.select(G::optServerType, 1);
    profile.setValue(G::txtGameSettings, 10, u"64.5"_s);
    lines << lineOf(profile);

    profile.clearSelection(G::optServerType);
    lines << lineOf(profile); // no server type, no line
    EXPECT_EQ(lines.join(u'\n') + u'\n', QString::fromLatin1(testData(u"launch-lines.expected"_s)));
}
