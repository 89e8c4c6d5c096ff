#include "CliRun.h"
#include "profile/ListFiles.h"
#include "testkit/TestContext.h"
#include "testkit/TestData.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct CommandsTest : CliFolders {
    QString profile() const { return file(u"Default.ini"_s); }
};

} // namespace

TEST_F(CommandsTest, ProfileShowOnAnEmptyDataFolderPrintsTheInitialValues)
{
    const CliResult shown = run({ "profile", "show" });
    expectRun(shown, 0, QString());
    EXPECT_EQ(shown.out.toUtf8(), testData(u"profile-show-initial.expected"_s));
    EXPECT_FALSE(QFileInfo::exists(profile())) << "showing writes nothing";
}

TEST_F(CommandsTest, ProfileSetSavesOneFieldAndRefusesWhatTheFieldRefuses)
{
    // What the window lets a user type, the command line takes too: any number as far as typed
    // (only the window's arrows keep to the range), blanks around a text kept. The blanks come last,
    // because a later load trims what it reads and the next save writes that.
    // Group, index, value, and what the saved profile then holds.
    const std::tuple<const char*, const char*, const char*, const char*> accepted[] = {
        { "txtGameSettings", "7", "50000", "\r\nGameSettings7=50000\r\n" },
        { "optServerType", "-", "0", "[Server]\r\nServer=0\r\n" },
        { "chkLogSync", "-", "1", "[LogSync]\r\nLogSync=1\r\n" },
        { "GameLimit", "0", "-5", "\r\nGameLimit0=-5\r\n" },
        { "txtGameSettings", "18", "2.5", "\r\nGameSettings18=2\r\n" }, // halves round to even
        { "txtAdministration", "16", "27960", "\r\nAdminSettings16=27960\r\n" },
        { "txtAdministration", "13", " pw ", "\r\nAdminSettings13= pw \r\n" },
    };
    for (const auto& [group, index, value, held] : accepted)
        EXPECT_EQ(run({ "profile", "set", group, index, value }).code, 0) << group << index;
    const QByteArray saved = readBytes(profile());
    for (const auto& [group, index, value, held] : accepted)
        EXPECT_TRUE(saved.contains(held)) << held;

    // Exit 1 for a value the field refuses, 2 for a field that does not exist.
    const std::pair<const char*, int> refused[] = { { "txtAdministration 16 12ab", 1 },
        { "txtAdministration 16 123456", 1 }, { "txtGameSettings 0 abc", 1 }, { "txtGameSettings 0 1e3", 1 },
        { "chkSOF2Options 0 2", 1 }, { "optGameType - 4", 1 }, { "txtMsg - hello", 1 },
        { "txtGameSettings 21 1", 2 }, { "txtGameSettings - 1", 2 }, { "optGameType 1 1", 2 },
        { "txtLogFileName 0 x", 2 }, { "txtNothing 0 1", 2 } };
    for (const auto& [args, code] : refused) {
        const CliResult result
            = run(QStringList { "profile", "set" } + QString::fromLatin1(args).split(u' '));
        EXPECT_EQ(result.code, code) << args;
        EXPECT_FALSE(result.err.isEmpty());
    }
    EXPECT_EQ(readBytes(profile()), saved) << "a refused value changes nothing";
}

TEST_F(CommandsTest, AValueTheServerWouldMisreadIsKeptAndWarnedAboutWhereverItIsUsed)
{
    expectRun(run({ "profile", "set", "txtAdministration", "2", "My \"Best\" Server" }), 0,
        u"Warning: Host holds a double quote: the server would read the value as ending there\n"_s);
    EXPECT_TRUE(readBytes(profile()).contains("AdminSettings2=My \"Best\" Server\r\n"));

    const QString out = path(u"quoted.cfg"_s);
    expectRun(runInGame({ "config", "--name", "quoted", "--out", out, "--force" }), 0,
        u"danger\ttxtAdministration 2\tHost holds a double quote"_s, ErrText::Part);
    EXPECT_TRUE(readBytes(out).contains("seta sv_hostname \"My \"Best\" Server\"\r\n")) << "written as typed";

    const CliResult plain = run({ "profile", "set", "txtAdministration", "2", "plain" });
    EXPECT_TRUE(plain.err.isEmpty()) << plain.err.toStdString();
}

TEST_F(CommandsTest, ANamedProfileIsUsedInsteadOfTheDefault)
{
    const QString named = path(u"clan.ini"_s);
    EXPECT_EQ(run({ "profile", "show", "--profile", named }).code, 1) << "a named profile must exist to show";
    EXPECT_EQ(run({ "profile", "set", "--profile", named, "GameLimit", "0", "50" }).code, 0);
    EXPECT_FALSE(QFileInfo::exists(profile()));
    EXPECT_TRUE(
        run({ "profile", "show", "--profile", named }).lines().contains("GameLimit\t0\tfraglimit\t50"));
    EXPECT_TRUE(run({ "profile", "show" }).lines().contains("GameLimit\t0\tfraglimit\t20"));

    const QString cycle = path(u"cycle.cfg"_s);
    writeBytes(cycle, "x");
    EXPECT_EQ(run({ "profile", "set", "lblPathToSavedMapcycle", "-", cycle }).code, 0);
    EXPECT_EQ(run({ "profile", "show" }).lines().last(), "lblPathToSavedMapcycle\t-\t-\t" + cycle);
}

TEST_F(CommandsTest, RotationAddTakesMapsFromTheMapListOrChangesNothing)
{
    EXPECT_EQ(run({ "rotation", "add", "mohdm1" }).code, 1);
    writeBytes(file(u"Main.efr"_s),
        crlfLines({ "Pak5.pk3,obj_team1,obj_team1,,objective", "Pak5.pk3,mohdm1,mohdm1,,ffa team round",
            "broken,line", "maps1.pk3,mymap,mymap,mymap,ffa team round" }));
    expectRun(run({ "rotation", "add", "mohdm1", "obj_team1", "MyMap" }), 0, QString());
    const QStringList rows { "mohdm1\tffa team round\t", "obj_team1\tobjective\t",
        "mymap\tffa team round\tmymap" };
    EXPECT_EQ(readBytes(file(kRotationListFile)), rows.join(u"\r\n"_s).toLatin1() + "\r\n");

    const QByteArray before = readBytes(file(kRotationListFile));
    expectRun(run({ "rotation", "add", "mohdm1", "nosuchmap" }), 1, u"nosuchmap"_s, ErrText::Part);
    EXPECT_EQ(readBytes(file(kRotationListFile)), before);

    EXPECT_EQ(run({ "rotation", "list" }).lines(), rows);
    const CliResult cleared = run({ "rotation", "clear" });
    expectRun(cleared, 0, QString());
    EXPECT_EQ(cleared.out,
        u"Removed %1: the rotation is empty.\n"_s.arg(QDir::toNativeSeparators(file(kRotationListFile))))
        << "the window would keep the old file, so the command says what it did";
    EXPECT_FALSE(QFileInfo::exists(file(kRotationListFile)));
    EXPECT_TRUE(run({ "rotation", "list" }).out.isEmpty());
    EXPECT_EQ(run({ "rotation", "clear" }).out, u"The rotation is already empty.\n"_s);
}

TEST_F(CommandsTest, BansAreAddedDatedListedAndRemovedByNumber)
{
    const QString left = file(u"Banned.dat.Xy12Zw"_s);
    writeAged(left, 86400);
    EXPECT_TRUE(run({ "bans", "list" }).out.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(left)) << "a session starts by removing what an interrupted save left";
    // The one check that the program's clock honours SOURCE_DATE_EPOCH, for reproducible files.
    qputenv("SOURCE_DATE_EPOCH", "1767268800"); // 1 January 2026, noon UTC
    EXPECT_EQ(run({ "bans", "add", " 10.0.0.1 " }).code, 0);
    EXPECT_EQ(run({ "bans", "add", "10.0.0.2" }).code, 0);
    EXPECT_EQ(run({ "bans", "add", "   " }).code, 1);
    qunsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(readBytes(file(kBannedListFile)),
        crlfLines({ "Added\tIP", "01/01/2026\t10.0.0.1", "01/01/2026\t10.0.0.2" }));
    EXPECT_EQ(run({ "bans", "remove", "x" }).code, 2);
    expectRun(run({ "bans", "remove", "3" }), 1, u"There is no ban entry 3 (the list has 2).\n"_s);
    EXPECT_EQ(run({ "bans", "remove", "1", "2" }).code, 2);
    EXPECT_EQ(run({ "bans", "remove", "1" }).code, 0);
    EXPECT_EQ(run({ "bans", "list" }).lines(), QStringList { "1\t01/01/2026\t10.0.0.2" });
}

TEST_F(CommandsTest, ConfigurationsFillTheFirstEmptyRowOfNine)
{
    const QString cfg = path(u"clan.cfg"_s);
    writeBytes(cfg, QByteArray(2048, 'x'));
    EXPECT_EQ(run({ "configs", "add", path(u"none.cfg"_s) }).code, 1);
    const CliResult added = run({ "configs", "add", cfg });
    expectRun(added, 0, QString());
    EXPECT_EQ(added.out, u"1\n"_s);
    EXPECT_EQ(ListFiles::readConfigs(file(kConfigListFile))[0].size, u"2.05"_s);

    for (int row = 2; row <= 9; ++row)
        ASSERT_EQ(run({ "configs", "add", cfg }).code, 0);
    EXPECT_EQ(run({ "configs", "add", cfg }).code, 1) << "all nine rows are in use";
    EXPECT_EQ(run({ "configs", "remove", "4" }).code, 0);
    EXPECT_EQ(run({ "configs", "remove", "4" }).code, 1) << "the row is already empty";
    EXPECT_EQ(run({ "configs", "remove", "10" }).code, 1);

    QFile::remove(cfg);
    const QStringList listed = run({ "configs", "list" }).lines();
    ASSERT_EQ(listed.size(), 8);
    EXPECT_TRUE(listed[3].startsWith(u"5\t"_s));
    EXPECT_TRUE(listed[0].endsWith(u"\tclan.cfg\t"_s + QDir::toNativeSeparators(cfg) + "\tmissing"));
    EXPECT_EQ(ListFiles::readConfigs(file(kConfigListFile)).size(), kAdditionalConfigRows);
}

TEST_F(CommandsTest, TheMessageKeepsItsLines)
{
    EXPECT_EQ(run({ "message", "show" }).out, QString());
    EXPECT_EQ(run({ "message", "set", "Welcome\\nNo camping" }).code, 0);
    EXPECT_EQ(readBytes(file(kMessageFile)), QByteArray("Welcome\r\nNo camping\r\n"));
    EXPECT_EQ(run({ "message", "show" }).out, u"Welcome\nNo camping\n"_s);
    EXPECT_EQ(run({ "message", "set", "two", "words" }).code, 2) << "an unquoted text is a usage error";
    EXPECT_EQ(readBytes(file(kMessageFile)), QByteArray("Welcome\r\nNo camping\r\n"));
}
