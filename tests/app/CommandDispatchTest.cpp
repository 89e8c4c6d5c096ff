#include "app/CommandDispatcher.h"
#include "app/MainCommands.h"
#include "testkit/TestContext.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

// Records which action each command reached.
class RecordingCommands : public MainCommands {
public:
    QStringList calls;

    void openLink(const QString& url) override { calls << QStringLiteral("link ") + url; }
    void exitProgram() override { calls << QStringLiteral("exit"); }
    void scanForMaps() override { calls << QStringLiteral("scan"); }
    void saveProfileAs() override { calls << QStringLiteral("save"); }
    void loadProfileFrom() override { calls << QStringLiteral("load"); }
    void exportShellScript() override { calls << QStringLiteral("shell"); }
    void exportUnixShellScript() override { calls << QStringLiteral("unix shell"); }
    void exportBatchFile() override { calls << QStringLiteral("batch"); }
    void exportServerConfiguration() override { calls << QStringLiteral("config"); }
    void buildMapList() override { calls << QStringLiteral("maplist"); }
    void showHelp() override { calls << QStringLiteral("help"); }
    void showAbout() override { calls << QStringLiteral("about"); }
    void openMapWizard() override { calls << QStringLiteral("wizard"); }
    void showCheckList() override { calls << QStringLiteral("check"); }
    void showServerConsole() override { calls << QStringLiteral("console"); }
};

struct Dispatch : ::testing::Test {
    test::ScriptedPrompter prompter;
    RecordingCommands commands;
    CommandDispatcher dispatcher { commands, prompter };

    QStringList run(const char* id)
    {
        commands.calls.clear();
        dispatcher.tbrMain_ToolClick(QString::fromLatin1(id));
        return commands.calls;
    }
};

} // namespace

TEST_F(Dispatch, EveryCommandReachesItsAction)
{
    const QList<std::pair<const char*, const char*>> table = {
        { "ID_QuakeFiles", "link https://www.moddb.com/games/medal-of-honor-allied-assault/downloads" },
        { "ID_PlanetQuake", "link https://www.moddb.com/games/medal-of-honor-allied-assault" },
        { "ID_Q3CentralUK", "link https://www.x-null.net" },
        { "id_FileExit", "exit" },
        { "id_UtilitiesMapsScanfornewmaps", "scan" },
        { "id_UtilitiesExportLinuxShellScript", "shell" },
        { "id_UtilitiesExportUnixShellScript", "unix shell" },
        { "id_UtilitiesExportBatchFile", "batch" },
        { "id_UtilitiesExportServerConfiguration", "config" },
        { "id_UtilitiesExportMapCycle", "maplist" },
        { "ID_SaveCycle", "maplist" },
        { "id_HelpContents", "help" },
        { "id_HelpForumsForumPlanet", "link https://www.x-null.net/forums/" },
        { "id_HelpMailAuthor",
            "link MailTo:fortwright@example.org?Subject=Fortwright 0.1.2 October 21 2002" },
        { "id_HelpAboutFortwright", "about" },
        { "ID_MapWizardNew", "wizard" },
        { "id_UtilitiesCheck", "check" },
        { "id_UtilitiesServerConsole", "console" },
    };
    for (const auto& [id, action] : table)
        EXPECT_EQ(run(id), QStringList { QString::fromLatin1(action) }) << id;
    EXPECT_TRUE(prompter.boxes().isEmpty()) << "none of these asks anything in the dispatcher";
}

TEST_F(Dispatch, SaveAndLoadConfirmWhateverHappened)
{
    EXPECT_EQ(run("id_UtilitiesConfigurationSave"), QStringList { "save" });
    EXPECT_EQ(run("id_UtilitiesConfigurationLoad"), QStringList { "load" });
    EXPECT_EQ(prompter.boxes(),
        test::Boxes({ test::infoBox(QStringLiteral("Settings Saved        ")),
            test::infoBox(QStringLiteral("Settings Loaded        ")) }));
}
