#include "generate/ServerConfigWriter.h"
#include "GenerateFixture.h"
#include "generate/LaunchValues.h"
#include "profile/SettingsCatalogue.h"
#include "testkit/TestData.h"

#include <QDir>
#include <QFile>

namespace {

// The configuration of a profile at its initial values with mohdm1 as the only map; the other
// generate-*.cfg.expected files differ from it only in the lines their tests change.
const QString kDefaultConfig = u"server.cfg.expected"_s;

const QByteArray kHelperFile = "//Blank file\r\n//prevents bogus fail message\r\n";

class ServerConfigWriter : public GenerateFixture {
protected:
    ServerConfigWriter() { addRotation(u"mohdm1"_s); }

    bool runMode(QString name = u"server.cfg"_s)
    {
        return CreateMOHAAConfiguration(profile, t.context, ConfigurationTarget::GameMainFolder, name, hooks)
            .has_value();
    }
    QByteArray written(const QString& name = u"server.cfg"_s) { return readBytes(t.mainFile(name)); }

    ConfigurationHooks hooks;
};

} // namespace

TEST_F(ServerConfigWriter, InitialSettingsWithOneDeathmatchMapAndHelperFiles)
{
    const std::optional<WrittenConfiguration> done = CreateMOHAAConfiguration(
        profile, t.context, ConfigurationTarget::GameMainFolder, u"Server 1.cfg"_s, hooks);
    ASSERT_TRUE(done);
    // The server executes the configuration by its name in its case.
    EXPECT_EQ(std::tuple(done->path, done->configName, done->launch.port, done->launch.pure),
        std::tuple(t.mainFile(u"server_1.cfg"_s), u"Server_1.cfg"_s, 12203, u"+set sv_pure 1"_s));
    EXPECT_EQ(written(u"server_1.cfg"_s), expectedData(kDefaultConfig));
    EXPECT_EQ(QList({ readBytes(t.mainFile(u"default.cfg"_s)), readBytes(t.mainFile(u"autoexec.cfg"_s)) }),
        QList<QByteArray>(2, kHelperFile));
    EXPECT_FALSE(QFile::exists(t.mainFile(u"Banned.cfg"_s))) << "no addresses, no ban list";
    EXPECT_TRUE(t.prompter.boxes().isEmpty());

    // Existing helper files are never touched.
    writeBytes(t.mainFile(u"default.cfg"_s), "bind x quit\r\n");
    ASSERT_TRUE(runMode());
    EXPECT_EQ(readBytes(t.mainFile(u"default.cfg"_s)), "bind x quit\r\n");
}

TEST_F(ServerConfigWriter, LanAndListenServersHaveNoMasterBlock)
{
    profile.select(G::optServerType, 2); // Listen; LAN takes the same branch
    ASSERT_TRUE(runMode());
    EXPECT_EQ(written(), expectedData(u"generate-no-masters.cfg.expected"_s));
}

TEST_F(ServerConfigWriter, ValuesThatTheRulesRewriteOrLeaveOut)
{
    // Each line: a field's group and index, a tab between, then the value typed and why it is there.
    for (const QString& line :
        QString::fromLatin1(testData(u"generate-rewritten.values"_s)).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList cell = line.split(u'\t');
        SettingGroup group;
        ASSERT_TRUE(SettingsCatalogue::groupByName(cell[0], group)
            && profile.setValue(group, cell[1].toInt(), cell[2]))
            << line.toStdString();
    }
    profile.clearSelection(G::optLogging);
    ASSERT_TRUE(runMode());
    EXPECT_EQ(written(), expectedData(u"generate-rewritten.cfg.expected"_s));

    // The second time-out's own value is kept when it reads as anything but 0.
    profile.setValue(G::txtGameSettings, 18, u"150"_s);
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
    addRotation(u"obj_team2"_s, u"objective"_s);
    addRotation(u"obj_team4"_s, u"Objective"_s); // only lower case marks objective
    profile.rotation.startingMap = u"Map obj/obj_team2"_s;
    ASSERT_TRUE(runMode());
    EXPECT_EQ(written(), expectedData(u"generate-starting-map.cfg.expected"_s));
}

TEST_F(ServerConfigWriter, EmptyRotationWithSavedCycleLeavesTheStartLineOut)
{
    profile.rotation.rows.clear();
    profile.rotation.savedCyclePath = u"/games/mohaa/main/mycycle.cfg"_s;
    ASSERT_TRUE(runMode());
    EXPECT_EQ(written(), expectedData(u"generate-saved-cycle.cfg.expected"_s));
    EXPECT_TRUE(t.prompter.boxes().isEmpty());
}

TEST_F(ServerConfigWriter, AdditionalConfigurationsOnlyWhenTheirFileExists)
{
    const QString present = t.root.filePath(u"present.cfg"_s);
    writeBytes(present, "seta x 1\r\n");
    profile.configs[0] = { "01/02/2003", "10", "gone.cfg", t.root.filePath(u"gone.cfg"_s) };
    profile.configs[2] = { "01/02/2003", "10", "present.cfg", present };
    profile.configs[3] = { "01/02/2003", "10", "blank path.cfg", u"   "_s };
    profile.configs[4] = { "01/02/2003", "10", "folder.cfg", t.root.path() };
    profile.configs[8] = { "01/02/2003", "10", "also present.cfg", present };
    ASSERT_TRUE(runMode());
    EXPECT_EQ(written(), expectedData(u"generate-exec-configs.cfg.expected"_s));
}

TEST_F(ServerConfigWriter, BannedAddressesGetTheirListAndExecBlock)
{
    profile.bans
        = { { "01/02/2003", "10.1.1.1" }, { "01/03/2003", "192.168.0.*" }, { "01/04/2003", "10.1.1.1" } };
    ASSERT_TRUE(runMode());
    EXPECT_EQ(written(), expectedData(u"generate-exec-bans.cfg.expected"_s));
    EXPECT_EQ(readBytes(t.mainFile(u"Banned.cfg"_s)), expectedData(u"Banned.cfg.expected"_s));

    // When the list becomes empty the old file stays but is no longer executed.
    profile.bans.clear();
    ASSERT_TRUE(runMode());
    EXPECT_TRUE(QFile::exists(t.mainFile(u"Banned.cfg"_s)));
    EXPECT_EQ(written(), expectedData(kDefaultConfig));
}

TEST_F(ServerConfigWriter, BanListThatCannotBeWrittenIsReportedAndLeftOut)
{
    profile.bans = { { "01/02/2003", "10.1.1.1" } };
    QDir().mkpath(t.mainFile(u"Banned.cfg"_s)); // a folder in its place
    ASSERT_TRUE(runMode());
    EXPECT_EQ(written(), expectedData(kDefaultConfig));
    ASSERT_EQ(t.prompter.boxes().size(), 2);
    EXPECT_EQ(t.prompter.boxes()[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(t.prompter.boxes()[0].text.contains("::modFunctions.gbln_MakeBANList(Function)"));
    EXPECT_EQ(t.prompter.boxes()[1], warningBox(u"Unable to create Banned configuration        "_s));
}

TEST_F(ServerConfigWriter, ExportModeAsksForThePathAndShowsTheFile)
{
    const QString target = t.root.filePath(u"exported.cfg"_s);
    t.prompter.choose(target);
    const QString name = u"my server.cfg"_s;
    const std::optional<WrittenConfiguration> done
        = CreateMOHAAConfiguration(profile, t.context, ConfigurationTarget::AskedPath, name, hooks);
    ASSERT_TRUE(done);
    EXPECT_EQ(done->path, target);
    expectSaveDialog(u"Save Configuration File"_s, u"Server Configuration File (*.cfg)|*.cfg"_s,
        t.context.gamePath + QDir::separator() + u"Main"_s);
    EXPECT_EQ(readBytes(target), expectedData(kDefaultConfig));
    EXPECT_EQ(t.prompter.boxes(), Boxes { infoBox(u"'my_server.cfg' has been created        "_s) });
    EXPECT_EQ(t.services.openedDocuments, QStringList({ target }));
    EXPECT_TRUE(QFile::exists(t.mainFile(u"default.cfg"_s)));

    // Cancelled: nothing written, nothing shown, still done.
    QDir(t.context.mainPath).removeRecursively();
    QDir().mkpath(t.context.mainPath);
    t.prompter.clear();
    t.prompter.choose(QString());
    const std::optional<WrittenConfiguration> cancelled
        = CreateMOHAAConfiguration(profile, t.context, ConfigurationTarget::AskedPath, name, hooks);
    ASSERT_TRUE(cancelled && cancelled->path.isEmpty());
    EXPECT_TRUE(t.prompter.boxes().isEmpty());
    EXPECT_TRUE(QDir(t.context.mainPath).isEmpty());
}

TEST_F(ServerConfigWriter, ValuesAreWrittenAsTypedInWindows1252)
{
    profile.setValue(G::txtAdministration, 2, u"The \"Best\" Server \u00e9\u20ac"_s);
    profile.setValue(G::txtAdministration, 0, u"Welcome \u4e16\u754c"_s);
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
    profile.setValue(G::txtAdministration, 16, u"12x"_s);
    EXPECT_FALSE(runMode());
    EXPECT_EQ(busy, QList<bool>({ true, false }));
    EXPECT_EQ(boxesBeforeRestore, 0) << "the normal cursor is back before the message";
    EXPECT_EQ(t.prompter.texts(),
        QStringList { u"Following error occurred in this application:\r\n\r\nType mismatch\r\nNumber: 13\r\n"
                      "Source: Fortwright::Code.CreateMOHAAConfiguration(Function) (Fortwright)"_s });
}
