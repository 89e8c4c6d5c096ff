#include "CliRun.h"
#include "testkit/TestContext.h"
#include "testkit/TestData.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A rotation of two maps for every command to work on, and a fixed "now" so that two runs write
// the same header.
struct GenerateCommandsTest : CliFolders {
    ~GenerateCommandsTest() override { qunsetenv("SOURCE_DATE_EPOCH"); }
    GenerateCommandsTest()
    {
        qputenv("SOURCE_DATE_EPOCH", "1765000000");
        writeBytes(file(u"Maps.dat"_s),
            crlfLines({ "mohdm1\tffa team round\tThe Hunt", "obj_team2\tobjective\tV2 Rocket" }));
    }
};

} // namespace

TEST_F(GenerateCommandsTest, MapListAndLaunchLineFollowTheSavedProfile)
{
    EXPECT_EQ(runInGame({ "maplist" }).out, u"dm/mohdm1 obj/obj_team2\n"_s);

    // The refusal's whole text the run checks' own tests compare.
    expectRun(runInGame({ "launch-line" }), 1,
        u"Fortwright requires a Config name, please input a valid Config name.\n"
        "The Config name is used to name your server configuration.\n"_s,
        ErrText::Part);

    set("txtAdministration", "1", " my server ");
    set("optGameType", "-", "3");
    const CliResult line = runInGame({ "launch-line" });
    expectRun(line, 0, QString());
    ASSERT_EQ(line.lines().size(), 3) << line.out.toStdString();
    EXPECT_EQ(line.lines().constFirst(),
        u"MOHAA_server.exe +set dedicated 2 +set net_port 12203 +set sv_pure 1 +set vm_game 0 "
        "+set com_hunkmegs 56 +set com_zonemegs 16 +set g_gametype 4 +exec my_server.cfg"_s);
    EXPECT_TRUE(line.lines().at(1).startsWith(u"program: "_s)) << "then the program Run starts";
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
    const QByteArray inMain = readBytes(mainFile(u"clan_server.cfg"_s));
    EXPECT_TRUE(inMain.contains("sets \"Config File\" \"Clan Server\"\r\n"));
    EXPECT_TRUE(inMain.contains("seta sv_maplist \"dm/mohdm1 obj/obj_team2\"\r\nMap obj/obj_team2\r\n"));

    // The exported file is the same text; the helper files already exist and are not listed.
    result = runInGame({ "config", "--starting-map", "Map obj/obj_team2", "--out", path("exported.cfg") });
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_EQ(result.lines(), QStringList({ QDir::toNativeSeparators(path("exported.cfg")) }));
    EXPECT_EQ(readBytes(path("exported.cfg")), inMain);
    // The check's warning about the blank (for the scripts) comes first.
    EXPECT_TRUE(result.err.startsWith(u"warning\ttxtAdministration 1\t"_s)) << result.err.toStdString();
    EXPECT_EQ(result.err.section(u'\n', 1).trimmed(), u"'Clan_Server.cfg' has been created"_s);

    // --name stands for the typed name; bans bring their list along.
    writeBytes(file(u"Banned.dat"_s), crlfLines({ "Added\tIP", "01/02/2003\t10.0.0.9" }));
    result = runInGame({ "config", "--name", "abc" });
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_EQ(result.lines().mid(0, 1), QStringList({ QDir::toNativeSeparators(mainFile("Banned.cfg")) }));
    const QByteArray abc = readBytes(mainFile(u"abc.cfg"_s));
    EXPECT_TRUE(abc.contains("sets \"Config File\" \"abc\"\r\n"));
    EXPECT_TRUE(abc.contains("// Banned List\r\nexec Banned.cfg\r\n"));
}

TEST_F(GenerateCommandsTest, ConfigThatCannotBeCreatedLeavesTheBanListAlone)
{
    set("txtAdministration", "1", "abc");
    writeBytes(file(u"Banned.dat"_s), crlfLines({ "Added\tIP", "01/02/2003\t10.0.0.9" }));
    const CliResult result = runInGame({ "config", "--out", path("missing/q.cfg") });
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(QDir(game + u"/Main"_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList({ "autoexec.cfg", "default.cfg" }))
        << "the helper files come first, the ban list only with the configuration";
}

TEST_F(GenerateCommandsTest, ConfigRefusesAMissingNameAndAMissingGameFolder)
{
    expectRun(runInGame({ "config", "--name", "   " }), 1,
        u"Fortwright requires a config name, please input a valid config name.\n"
        "The config name is used to name your server configuration.\n"_s);
    expectRun(run({ "config", "--name", "ok" }), 1,
        u"No game folder is known: give one with --game-dir DIR (the folder that holds "
        "MOHAA_server.exe and Main).\n"_s);
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
    const CliResult result = runInGame({ "cycle", "--out", path("rot.cfg") });
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_TRUE(
        readBytes(path("rot.cfg"))
            .contains("sets \"Map m1\" \"mohdm1\"\r\nsets \"Map m2\" \"obj_team2\"\r\n\r\n"
                      "set m1 \"set g_gametype 1;map mohdm1;seta sv_maxvelocity 6000;seta g_gravity 800;"
                      "exec 1rot.cfg;wait;set nextmap vstr m2\r\n"));
    EXPECT_EQ(readBytes(path("2rot.cfg")), testData(u"2rot.cfg.expected"_s));

    writeBytes(file(u"Maps.dat"_s), QByteArray());
    expectRun(runInGame({ "cycle", "--out", path("empty.cfg") }), 1,
        u"There are no maps in the list, please select at least one map\n"_s);
    EXPECT_FALSE(QFileInfo::exists(path("empty.cfg")));
}
