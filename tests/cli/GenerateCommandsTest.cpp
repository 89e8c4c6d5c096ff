#include "CliRun.h"
#include "testkit/TestContext.h"
#include "testkit/TestData.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace fw;
using namespace fw::cli;
using test::CliResult;
using test::crlfLines;
using test::readBytes;
using test::writeBytes;

namespace {

// A rotation of two maps for every command to work on, and a fixed "now" so that two runs write
// the same header.
struct GenerateCommandsTest : test::CliFolders {
    ~GenerateCommandsTest() override { qunsetenv("SOURCE_DATE_EPOCH"); }
    GenerateCommandsTest()
    {
        qputenv("SOURCE_DATE_EPOCH", "1765000000");
        writeBytes(file(QStringLiteral("Maps.dat")),
            crlfLines({ "mohdm1\tffa team round\tThe Hunt", "obj_team2\tobjective\tV2 Rocket" }));
    }
};

} // namespace

TEST_F(GenerateCommandsTest, MapListAndLaunchLineFollowTheSavedProfile)
{
    EXPECT_EQ(runInGame({ "maplist" }).out, QStringLiteral("dm/mohdm1 obj/obj_team2\n"));

    CliResult line = runInGame({ "launch-line" });
    EXPECT_EQ(line.code, 1) << "no configuration name yet";
    EXPECT_TRUE(line.err.contains("Fortwright requires a Config name, please input a valid Config name.\n"
                                  "The Config name is used to name your server configuration.\n"))
        << line.err.toStdString();

    set("txtAdministration", "1", " my server ");
    set("optGameType", "-", "3");
    line = runInGame({ "launch-line" });
    EXPECT_EQ(line.code, 0) << line.err.toStdString();
    EXPECT_EQ(line.out,
        QStringLiteral("MOHAA_server.exe +set dedicated 2 +set net_port 12203 +set sv_pure 1 +set vm_game 0 "
                       "+set com_hunkmegs 56 +set com_zonemegs 16 +set g_gametype 4 +exec my_server.cfg\n"));
}

TEST_F(GenerateCommandsTest, ConfigWritesWhereRunWritesOrWhereOutSays)
{
    set("txtAdministration", "1", "Clan Server");
    CliResult result = runInGame({ "config", "--starting-map", "Map obj/obj_team2" });
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_EQ(result.lines(),
        QStringList({ QDir::toNativeSeparators(mainFile("default.cfg")),
            QDir::toNativeSeparators(mainFile("autoexec.cfg")),
            QDir::toNativeSeparators(mainFile("clan_server.cfg")) }));
    const QByteArray inMain = readBytes(mainFile(QStringLiteral("clan_server.cfg")));
    EXPECT_TRUE(inMain.contains("sets \"Config File\" \"Clan Server\"\r\n"));
    EXPECT_TRUE(inMain.contains("seta sv_maplist \"dm/mohdm1 obj/obj_team2\"\r\nMap obj/obj_team2\r\n"));

    // The exported file is the same text; the helper files already exist and are not listed.
    result = runInGame({ "config", "--starting-map", "Map obj/obj_team2", "--out", path("exported.cfg") });
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_EQ(result.lines(), QStringList({ QDir::toNativeSeparators(path("exported.cfg")) }));
    EXPECT_EQ(readBytes(path("exported.cfg")), inMain);
    EXPECT_EQ(result.err.trimmed(), QStringLiteral("'Clan_Server.cfg' has been created"));

    // --name stands for the typed name; bans bring their list along.
    writeBytes(file(QStringLiteral("Banned.dat")), crlfLines({ "Added\tIP", "01/02/2003\t10.0.0.9" }));
    result = runInGame({ "config", "--name", "abc" });
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_EQ(result.lines().mid(0, 1), QStringList({ QDir::toNativeSeparators(mainFile("Banned.cfg")) }));
    const QByteArray abc = readBytes(mainFile(QStringLiteral("abc.cfg")));
    EXPECT_TRUE(abc.contains("sets \"Config File\" \"abc\"\r\n"));
    EXPECT_TRUE(abc.contains("// Banned List\r\nexec Banned.cfg\r\n"));
}

TEST_F(GenerateCommandsTest, ConfigThatCannotBeCreatedLeavesTheBanListAlone)
{
    set("txtAdministration", "1", "abc");
    writeBytes(file(QStringLiteral("Banned.dat")), crlfLines({ "Added\tIP", "01/02/2003\t10.0.0.9" }));
    const CliResult result = runInGame({ "config", "--out", path("missing/q.cfg") });
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(QDir(game + QStringLiteral("/Main")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList({ "autoexec.cfg", "default.cfg" }))
        << "the helper files come first, the ban list only with the configuration";
}

TEST_F(GenerateCommandsTest, ConfigRefusesAMissingNameAndAMissingGameFolder)
{
    CliResult result = runInGame({ "config", "--name", "   " });
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.startsWith("Fortwright requires a config name")) << result.err.toStdString();

    result = run({ "config", "--name", "ok" });
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err,
        QStringLiteral("No game folder is known: give one with --game-dir DIR (the folder that holds "
                       "MOHAA_server.exe and Main).\n"));
}

TEST_F(GenerateCommandsTest, BatchAndShellNeedOutAndKeepBlanksInTheName)
{
    EXPECT_EQ(runInGame({ "batch" }).code, 2);
    EXPECT_EQ(runInGame({ "shell" }).code, 2);
    EXPECT_EQ(runInGame({ "batch", "--out", path("s.bat") }).code, 1) << "no configuration name";

    set("txtAdministration", "1", "my srv");
    set("txtAdministration", "16", "");
    ASSERT_EQ(runInGame({ "batch", "--out", path("s.bat") }).code, 0);
    EXPECT_TRUE(
        readBytes(path("s.bat")).endsWith("+set dedicated 2 +set net_port 27960 +exec my srv.cfg\r\n"));
    // What the script holds, the writer's own tests compare whole.
    const CliResult shell = runInGame({ "shell", "--out", path("s.sh") });
    ASSERT_EQ(shell.code, 0) << shell.err.toStdString();
    EXPECT_TRUE(readBytes(path("s.sh")).endsWith("+exec my srv.cfg\r\n"));
}

TEST_F(GenerateCommandsTest, CycleUsesTheWizardsStartingValues)
{
    set("GameLimit", "0", "35");
    CliResult result = runInGame({ "cycle", "--out", path("rot.cfg") });
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    const QByteArray main = readBytes(path("rot.cfg"));
    EXPECT_TRUE(
        main.contains("sets \"Map m1\" \"mohdm1\"\r\nsets \"Map m2\" \"obj_team2\"\r\n\r\n"
                      "set m1 \"set g_gametype 1;map mohdm1;seta sv_maxvelocity 6000;seta g_gravity 800;"
                      "exec 1rot.cfg;wait;set nextmap vstr m2\r\n"));
    EXPECT_EQ(readBytes(path("2rot.cfg")), test::testData(QStringLiteral("2rot.cfg.expected")));

    writeBytes(file(QStringLiteral("Maps.dat")), QByteArray());
    result = runInGame({ "cycle", "--out", path("empty.cfg") });
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.startsWith("There are no maps in the list"));
    EXPECT_FALSE(QFileInfo::exists(path("empty.cfg")));
}
