#include "generate/ServerConfigWriter.h"
#include "GenerateFixture.h"
#include "generate/LaunchValues.h"

#include <QDir>
#include <QFile>

namespace {

// The configuration of a profile at its initial values with mohdm1 as the only map; the other
// generate-*.cfg.expected files differ from it only in the lines their tests change.
const QString kDefaultConfig = QStringLiteral("server.cfg.expected");

const QByteArray kHelperFile = "//Blank file\r\n//prevents bogus fail message\r\n";

class ServerConfigWriter : public GenerateFixture {
protected:
    ServerConfigWriter() { addRotation(QStringLiteral("mohdm1")); }

    bool runMode(QString name = QStringLiteral("server.cfg"))
    {
        return CreateMOHAAConfiguration(profile, t.context, ConfigurationTarget::GameMainFolder, name, hooks)
            .has_value();
    }
    QByteArray written(const QString& name = QStringLiteral("server.cfg"))
    {
        return readBytes(t.mainFile(name));
    }

    ConfigurationHooks hooks;
};

} // namespace

TEST_F(ServerConfigWriter, InitialSettingsWithOneDeathmatchMapAndHelperFiles)
{
    const std::optional<WrittenConfiguration> done = CreateMOHAAConfiguration(
        profile, t.context, ConfigurationTarget::GameMainFolder, QStringLiteral("Server 1.cfg"), hooks);
    ASSERT_TRUE(done);
    EXPECT_EQ(done->path, t.mainFile(QStringLiteral("server_1.cfg")));
    EXPECT_EQ(done->configName, QStringLiteral("Server_1.cfg")) << "the server executes it in its case";
    EXPECT_EQ(done->launch.port, 12203);
    EXPECT_EQ(done->launch.pure, QStringLiteral("+set sv_pure 1"));
    EXPECT_EQ(written(QStringLiteral("server_1.cfg")), expectedData(kDefaultConfig));
    EXPECT_EQ(readBytes(t.mainFile(QStringLiteral("default.cfg"))), kHelperFile);
    EXPECT_EQ(readBytes(t.mainFile(QStringLiteral("autoexec.cfg"))), kHelperFile);
    EXPECT_FALSE(QFile::exists(t.mainFile(QStringLiteral("Banned.cfg")))) << "no addresses, no ban list";
    EXPECT_TRUE(t.prompter.boxes().isEmpty());

    // Existing helper files are never touched.
    writeBytes(t.mainFile(QStringLiteral("default.cfg")), "bind x quit\r\n");
    ASSERT_TRUE(runMode());
    EXPECT_EQ(readBytes(t.mainFile(QStringLiteral("default.cfg"))), "bind x quit\r\n");
}

TEST_F(ServerConfigWriter, LanAndListenServersHaveNoMasterBlock)
{
    profile.select(G::optServerType, 2); // Listen; LAN takes the same branch
    ASSERT_TRUE(runMode());
    EXPECT_EQ(written(), expectedData(QStringLiteral("generate-no-masters.cfg.expected")));
}

TEST_F(ServerConfigWriter, ValuesThatTheRulesRewriteOrLeaveOut)
{
    profile.setValue(G::txtAdministration, 16, QString()); // port
    profile.setValue(G::txtAdministration, 15, QStringLiteral("10.0.0.5"));
    profile.setValue(G::txtAdministration, 3, QStringLiteral("Sarge")); // Admin
    profile.setValue(G::txtAdministration, 4, QString()); // an empty Admin E-Mail has no line
    profile.setValue(G::txtAdministration, 17, QStringLiteral("refpass")); // never written
    profile.setValue(G::chkDMFlags, 0, QStringLiteral("1"));
    profile.setValue(G::chkDMFlags, 2, QStringLiteral("1"));
    profile.setValue(G::GameLimit, 0, QStringLiteral("-5"));
    profile.setValue(G::GameLimit, 1, QStringLiteral("15"));
    profile.setValue(G::txtGameSettings, 18, QStringLiteral("0"));
    profile.setValue(G::txtGameSettings, 5, QString()); // an empty setting has no line
    profile.setValue(G::txtGameSettings, 12, QStringLiteral("24.5MB"));
    profile.setValue(G::txtMovement, 3, QStringLiteral("9999")); // kept in the profile only
    profile.setValue(G::txtMasterServers, 4, QStringLiteral("  master.example.net  "));
    profile.setValue(G::chkSOF2Options, 8, QStringLiteral("0")); // pure server: command line only
    profile.setValue(G::chkSOF2Options, 0, QStringLiteral("1"));
    profile.clearSelection(G::optLogging);
    ASSERT_TRUE(runMode());
    EXPECT_EQ(written(), expectedData(QStringLiteral("generate-rewritten.cfg.expected")));

    // The second time-out's own value is kept when it reads as anything but 0.
    profile.setValue(G::txtGameSettings, 18, QStringLiteral("150"));
    ASSERT_TRUE(runMode());
    EXPECT_TRUE(lines(written()).contains("seta sv_timeout \"150\"\r\nseta g_inactiveSpectate"));
    // "No Logging" is a member like the others: it writes its index and the log file's name.
    profile.select(G::optLogging, 0);
    ASSERT_TRUE(runMode());
    EXPECT_TRUE(
        lines(written()).contains("//Logging\r\nseta logfile \"0\"\r\nseta g_log \"MOHAALog.log\"\r\n"));
}

TEST_F(ServerConfigWriter, StartingMapRotationOrderAndObjectiveMaps)
{
    addRotation(QStringLiteral("obj_team2"), QStringLiteral("objective"));
    addRotation(QStringLiteral("obj_team4"), QStringLiteral("Objective")); // only lower case marks objective
    profile.rotation.startingMap = QStringLiteral("Map obj/obj_team2");
    ASSERT_TRUE(runMode());
    EXPECT_EQ(written(), expectedData(QStringLiteral("generate-starting-map.cfg.expected")));
}

TEST_F(ServerConfigWriter, EmptyRotationWithSavedCycleLeavesTheStartLineOut)
{
    profile.rotation.rows.clear();
    profile.rotation.savedCyclePath = QStringLiteral("/games/mohaa/main/mycycle.cfg");
    ASSERT_TRUE(runMode());
    EXPECT_EQ(written(), expectedData(QStringLiteral("generate-saved-cycle.cfg.expected")));
    EXPECT_TRUE(t.prompter.boxes().isEmpty());
}

TEST_F(ServerConfigWriter, AdditionalConfigurationsOnlyWhenTheirFileExists)
{
    const QString present = t.root.filePath(QStringLiteral("present.cfg"));
    writeBytes(present, "seta x 1\r\n");
    profile.configs[0] = { "01/02/2003", "10", "gone.cfg", t.root.filePath(QStringLiteral("gone.cfg")) };
    profile.configs[2] = { "01/02/2003", "10", "present.cfg", present };
    profile.configs[3] = { "01/02/2003", "10", "blank path.cfg", QStringLiteral("   ") };
    profile.configs[4] = { "01/02/2003", "10", "folder.cfg", t.root.path() };
    profile.configs[8] = { "01/02/2003", "10", "also present.cfg", present };
    ASSERT_TRUE(runMode());
    EXPECT_EQ(written(), expectedData(QStringLiteral("generate-exec-configs.cfg.expected")));
}

TEST_F(ServerConfigWriter, BannedAddressesGetTheirListAndExecBlock)
{
    profile.bans
        = { { "01/02/2003", "10.1.1.1" }, { "01/03/2003", "192.168.0.*" }, { "01/04/2003", "10.1.1.1" } };
    ASSERT_TRUE(runMode());
    EXPECT_EQ(written(), expectedData(QStringLiteral("generate-exec-bans.cfg.expected")));
    EXPECT_EQ(readBytes(t.mainFile(QStringLiteral("Banned.cfg"))),
        expectedData(QStringLiteral("Banned.cfg.expected")));

    // When the list becomes empty the old file stays but is no longer executed.
    profile.bans.clear();
    ASSERT_TRUE(runMode());
    EXPECT_TRUE(QFile::exists(t.mainFile(QStringLiteral("Banned.cfg"))));
    EXPECT_EQ(written(), expectedData(kDefaultConfig));
}

TEST_F(ServerConfigWriter, BanListThatCannotBeWrittenIsReportedAndLeftOut)
{
    profile.bans = { { "01/02/2003", "10.1.1.1" } };
    QDir().mkpath(t.mainFile(QStringLiteral("Banned.cfg"))); // a folder in its place
    ASSERT_TRUE(runMode());
    EXPECT_EQ(written(), expectedData(kDefaultConfig));
    ASSERT_EQ(t.prompter.boxes().size(), 2);
    EXPECT_EQ(t.prompter.boxes()[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(t.prompter.boxes()[0].text.contains("::modFunctions.gbln_MakeBANList(Function)"));
    EXPECT_EQ(
        t.prompter.boxes()[1], warningBox(QStringLiteral("Unable to create Banned configuration        ")));
}

TEST_F(ServerConfigWriter, ExportModeAsksForThePathAndShowsTheFile)
{
    const QString target = t.root.filePath(QStringLiteral("exported.cfg"));
    t.prompter.choose(target);
    const QString name = QStringLiteral("my server.cfg");
    const std::optional<WrittenConfiguration> done
        = CreateMOHAAConfiguration(profile, t.context, ConfigurationTarget::AskedPath, name, hooks);
    ASSERT_TRUE(done);
    EXPECT_EQ(done->path, target);
    expectSaveDialog(QStringLiteral("Save Configuration File"),
        QStringLiteral("Server Configuration File (*.cfg)|*.cfg"),
        t.context.gamePath + QDir::separator() + QStringLiteral("Main"));
    EXPECT_EQ(readBytes(target), expectedData(kDefaultConfig));
    EXPECT_EQ(
        t.prompter.boxes(), Boxes { infoBox(QStringLiteral("'my_server.cfg' has been created        ")) });
    EXPECT_EQ(t.services.openedDocuments, QStringList({ target }));
    EXPECT_TRUE(QFile::exists(t.mainFile(QStringLiteral("default.cfg"))));

    // Cancelled: nothing written, nothing shown, still done.
    QDir(t.context.mainPath).removeRecursively();
    QDir().mkpath(t.context.mainPath);
    t.prompter.clear();
    t.prompter.choose(QString());
    const std::optional<WrittenConfiguration> cancelled
        = CreateMOHAAConfiguration(profile, t.context, ConfigurationTarget::AskedPath, name, hooks);
    ASSERT_TRUE(cancelled);
    EXPECT_TRUE(cancelled->path.isEmpty());
    EXPECT_TRUE(t.prompter.boxes().isEmpty());
    EXPECT_TRUE(QDir(t.context.mainPath).isEmpty());
}

TEST_F(ServerConfigWriter, ValuesAreWrittenAsTypedInWindows1252)
{
    profile.setValue(G::txtAdministration, 2, QStringLiteral("The \"Best\" Server \u00e9\u20ac"));
    profile.setValue(G::txtAdministration, 0, QStringLiteral("Welcome \u4e16\u754c"));
    ASSERT_TRUE(runMode());
    const QByteArray file = written();
    EXPECT_TRUE(file.contains("seta sv_hostname \"The \"Best\" Server \xe9\x80\"\r\n")) << "no escaping";
    EXPECT_TRUE(file.contains("seta g_motd \"Welcome ??\"\r\n")) << "characters outside the code page";
}

TEST_F(ServerConfigWriter, PortThatIsNotANumberIsReported)
{
    QList<bool> busy;
    qsizetype boxesBeforeRestore = -1;
    hooks.setBusy = [&](bool on) {
        busy << on;
        if (!on)
            boxesBeforeRestore = t.prompter.boxes().size();
    };
    profile.setValue(G::txtAdministration, 16, QStringLiteral("12x"));
    EXPECT_FALSE(runMode());
    EXPECT_EQ(busy, QList<bool>({ true, false }));
    EXPECT_EQ(boxesBeforeRestore, 0) << "the normal cursor is back before the message";
    ASSERT_EQ(t.prompter.boxes().size(), 1);
    EXPECT_EQ(t.prompter.boxes()[0].text,
        QStringLiteral("Following error occurred in this application:\r\n\r\nType mismatch\r\nNumber: 13\r\n"
                       "Source: Fortwright::Code.CreateMOHAAConfiguration(Function) (Fortwright)"));
}
