#include "profile/ServerProfile.h"
#include "server/rcon/PlayerCommands.h"
#include "server/rcon/RconTarget.h"
#include "server/rcon/ServerSummary.h"
#include "server/rcon/StatusParsers.h"
#include "testkit/TestData.h"

namespace {

struct TableCase {
    const char* file;
    QString map;
    QList<Player> players;
};

TEST(RconParsers, StatusTablesOfBothLayoutsAreReadByTheirHeaderLine)
{
    const TableCase cases[] = {
        { "rcon-status-openmohaa.txt", u"obj/obj_team1"_s,
            { { 0, u"5"_s, u"48"_s, u"Some Player"_s, u"203.0.113.9:12203"_s, u"25000"_s },
                { 1, u"12"_s, u"CNCT"_s, u"^1Red ^7Baron"_s, u"198.51.100.7:12203"_s, u"5000"_s },
                { 12, u"-3"_s, u"ZMBI"_s, u"Two  Blanks"_s, u"loopback"_s, u"25000"_s } } },
        // The name here is a number, and the address carries the colour reset the server puts there.
        { "rcon-status-ioquake3.txt", u"oa_dm1"_s,
            { { 0, u"0"_s, u"0"_s, u"Sarge"_s, u"bot"_s, u"16384"_s },
                { 1, u"7"_s, u"27"_s, u"42"_s, u"127.0.0.1:27961"_s, u"25000"_s } } },
    };
    for (const TableCase& c : cases) {
        const auto table = parsePlayerTable(QString::fromLatin1(testData(QString::fromLatin1(c.file))));
        ASSERT_TRUE(table) << c.file;
        EXPECT_EQ(table->map, c.map) << c.file;
        EXPECT_EQ(table->players, c.players) << c.file;
    }
    EXPECT_FALSE(parsePlayerTable(u"Bad rconpassword.\n"_s));
    EXPECT_EQ(plainName(u"^1Red ^7Baron"_s), u"Red Baron"_s);
}

TEST(RconParsers, GetstatusGivesTheVariablesInOrderAndPlayersOfEitherLineForm)
{
    const QString mohaa
        = u"statusResponse\n\\sv_hostname\\My ^2Server\\mapname\\obj/obj_team1\\sv_maxclients\\20\n"
          "48 \"Some Player\"\n999 \"^1Red \"Baron\"\"\n"_s;
    const auto status = parseServerStatus(mohaa);
    ASSERT_TRUE(status);
    const QList<QPair<QString, QString>> variables { { u"sv_hostname"_s, u"My ^2Server"_s },
        { u"mapname"_s, u"obj/obj_team1"_s }, { u"sv_maxclients"_s, u"20"_s } };
    EXPECT_EQ(status->variables, variables);
    EXPECT_EQ(status->variable(u"MAPNAME"_s), u"obj/obj_team1"_s);
    const QList<Player> mohaaPlayers { { -1, {}, u"48"_s, u"Some Player"_s, {}, {} },
        { -1, {}, u"999"_s, u"^1Red \"Baron\""_s, {}, {} } };
    EXPECT_EQ(status->players, mohaaPlayers);
    const ServerSummary summary = summaryOf(*status);
    EXPECT_EQ(std::tuple(summary.name, summary.map, summary.players, summary.maxPlayers),
        std::tuple(u"My ^2Server"_s, u"obj/obj_team1"_s, 2, 20));

    const auto quake = parseServerStatus(u"statusResponse\n\\mapname\\oa_dm1\n3 0 \"Sarge\"\n"_s);
    ASSERT_TRUE(quake);
    EXPECT_EQ(quake->players, (QList<Player> { { -1, u"3"_s, u"0"_s, u"Sarge"_s, {}, {} } }));
    EXPECT_FALSE(parseServerStatus(u"print\nnot a status\n"_s));
}

TEST(RconTarget, TheProfilesAddressAndPortElseThisComputerAndTheDefaultPort)
{
    const std::tuple<QString, QString, QString, quint16> cases[] = {
        { {}, {}, u"127.0.0.1"_s, 12203 },
        { u" 0.0.0.0 "_s, u"28000"_s, u"127.0.0.1"_s, 28000 },
        { u"192.0.2.7"_s, u"not a port"_s, u"192.0.2.7"_s, 12203 },
        { u"game.example"_s, u"70000"_s, u"game.example"_s, 12203 },
    };
    for (const auto& [ip, port, host, expectedPort] : cases) {
        ServerProfile profile;
        profile.setValue(G::txtAdministration, 15, ip);
        profile.setValue(G::txtAdministration, 16, port);
        const RconTarget target = rconTargetFor(profile);
        EXPECT_EQ(std::tuple(target.host, target.port, target.framing),
            std::tuple(host, expectedPort, RconFraming::Mohaa))
            << ip.toStdString();
    }
}

TEST(RconParsers, PlayerActionsAreTheVisibleCommands)
{
    const QPair<QString, QString> cases[] = {
        { kickCommand(3), u"clientkick 3"_s },
        { kickCommand(3, u" camping "_s), u"clientkick 3 camping"_s },
        { banCommand(u"203.0.113.0/24"_s, u"cheat"_s), u"banaddr 203.0.113.0/24 cheat"_s },
        { banCommand(u"4"_s), u"banaddr 4"_s },
        { tellCommand(2, u"please \"stop\""_s), u"tell 2 please stop"_s },
        // The server would drop what follows // and squeeze the blanks, unless the text is quoted.
        { sayCommand(u"Visit http://x.example"_s), u"say \"Visit http://x.example\""_s },
        { sayCommand(u"a  b"_s), u"say \"a  b\""_s },
    };
    for (const auto& [made, expected] : cases)
        EXPECT_EQ(made, expected);
}

} // namespace
