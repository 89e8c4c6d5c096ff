#include "app/CommandDispatcher.h"
#include "app/MainCommands.h"
#include "testkit/TestContext.h"
#include "testkit/TestData.h"

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

    QStringList run(const QString& id)
    {
        commands.calls.clear();
        dispatcher.tbrMain_ToolClick(id);
        return commands.calls;
    }
};

} // namespace

TEST_F(Dispatch, EveryCommandReachesItsAction)
{
    // Each line: a command's id, a tab, the action it reaches.
    const QStringList table
        = QString::fromLatin1(testData(u"command-actions.tsv"_s)).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(table.size(), 18);
    for (const QString& line : table)
        EXPECT_EQ(run(line.section(u'\t', 0, 0)), QStringList { line.section(u'\t', 1) })
            << line.toStdString();
    EXPECT_TRUE(prompter.boxes().isEmpty()) << "none of these asks anything in the dispatcher";
}

TEST_F(Dispatch, SaveAndLoadConfirmWhateverHappened)
{
    EXPECT_EQ(run(u"id_UtilitiesConfigurationSave"_s), QStringList { "save" });
    EXPECT_EQ(run(u"id_UtilitiesConfigurationLoad"_s), QStringList { "load" });
    EXPECT_EQ(prompter.boxes(),
        test::Boxes(
            { test::infoBox(u"Settings Saved        "_s), test::infoBox(u"Settings Loaded        "_s) }));
}
