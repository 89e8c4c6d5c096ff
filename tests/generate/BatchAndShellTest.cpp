#include "GenerateFixture.h"
#include "generate/BatchFileWriter.h"
#include "generate/ShellScriptWriter.h"

#include <QDir>

using namespace fw;
using namespace fw::test;
using G = SettingGroup;

namespace {

class BatchAndShell : public GenerateFixture {
protected:
    BatchAndShell() { profile.setValue(G::txtAdministration, 1, QStringLiteral("my server")); }
    QString target(const QString& name) { return t.root.filePath(name); }
};

} // namespace

TEST_F(BatchAndShell, BatchFileWithInitialSettings)
{
    profile.select(G::optServerType, 0); // the batch file ignores the server type
    t.prompter.choose(target(QStringLiteral("start.bat")));
    ASSERT_TRUE(gbln_MakeBatchFile(profile, t.context));
    EXPECT_EQ(
        readBytes(target(QStringLiteral("start.bat"))), expectedData(QStringLiteral("start.bat.expected")));
    // The game folder itself, not Main.
    expectSaveDialog(
        QStringLiteral("Save Batch File"), QStringLiteral("Batch File (*.bat)|*.bat"), t.context.gamePath);
    EXPECT_EQ(t.prompter.boxes().size(), 1);
    expectBox(
        0, "'" + target(QStringLiteral("start.bat")) + "' has been Saved        ", MessageIcon::Information);
    EXPECT_EQ(t.services.openedDocuments, QStringList({ target(QStringLiteral("start.bat")) }));
}

TEST_F(BatchAndShell, BatchFileAddressDefaultPortAndShortName)
{
    profile.setValue(G::txtAdministration, 1, QStringLiteral("abc"));
    profile.setValue(G::txtAdministration, 15, QStringLiteral("10.0.0.5"));
    profile.setValue(G::txtAdministration, 16, QString());
    profile.setValue(G::txtGameSettings, 11, QStringLiteral("8.50"));
    profile.setValue(G::chkSOF2Options, 8, QStringLiteral("0"));
    t.prompter.choose(target(QStringLiteral("a.bat")));
    ASSERT_TRUE(gbln_MakeBatchFile(profile, t.context, ShowWritten::No));
    EXPECT_EQ(readBytes(target(QStringLiteral("a.bat"))), expectedData(QStringLiteral("a.bat.expected")));
    EXPECT_TRUE(t.services.openedDocuments.isEmpty());
}

TEST_F(BatchAndShell, ShellScriptWithItsOwnDefaultPort)
{
    profile.setValue(G::txtAdministration, 16, QString());
    profile.setValue(G::txtAdministration, 15, QStringLiteral("10.0.0.5")); // the script carries no address
    const QString script = target(QStringLiteral("run server.sh"));
    t.prompter.choose(script);
    ASSERT_TRUE(gbln_MakeLinuxFile(profile, t.context));
    EXPECT_EQ(readBytes(script), expectedData(QStringLiteral("run-server.sh.expected")));
    ASSERT_EQ(t.prompter.boxes().size(), 2);
    expectBox(0,
        QStringLiteral(
            "The following shell script is a guide and will need paths adjusted to point to your Medal of "
            "Honor folder        \r\n"
            "Place this file in the folder that contains the mohaa_lnxded executable and execute it from "
            "there.        \r\n"
            "Don't forget to include the my server.cfg file, place that in your main folder        "),
        MessageIcon::Information);
    EXPECT_EQ(t.prompter.boxes()[1].text, QStringLiteral("Shell script has been Saved        "));
    EXPECT_EQ(t.prompter.boxes()[1].title, QStringLiteral("Linux Shell Script"));
    expectSaveDialog(QStringLiteral("Save Linux Shell Script"),
        QStringLiteral("Linux Shell Script (*.sh)|*.sh"),
        t.context.gamePath + QDir::separator() + QStringLiteral("Main"));
    EXPECT_EQ(t.services.openedDocuments, QStringList({ script }));
}

TEST_F(BatchAndShell, RefusedNamesAndCancelledDialogsWriteNothing)
{
    profile.setValue(G::txtAdministration, 1, QString());
    EXPECT_FALSE(gbln_MakeBatchFile(profile, t.context));
    EXPECT_FALSE(gbln_MakeLinuxFile(profile, t.context));
    EXPECT_EQ(t.prompter.texts(),
        QStringList({ "A config name is required        ", "A config name is required        " }));
    EXPECT_EQ(t.prompter.boxes()[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(t.prompter.dialogs().isEmpty());

    t.prompter.clear();
    profile.setValue(G::txtAdministration, 1, QStringLiteral("ok"));
    t.prompter.choose(QString()).choose(QString());
    EXPECT_FALSE(gbln_MakeBatchFile(profile, t.context));
    EXPECT_FALSE(gbln_MakeLinuxFile(profile, t.context));
    EXPECT_EQ(t.prompter.boxes().size(), 1) << "only the shell script's note before its dialog";
    EXPECT_TRUE(t.services.openedDocuments.isEmpty());
    EXPECT_EQ(QDir(t.root.path()).entryList(QDir::Files), QStringList());
}

TEST_F(BatchAndShell, UnwritableTargetIsReportedWithTheRoutinesLocation)
{
    const QString missing = target(QStringLiteral("no/such/folder/x.bat"));
    t.prompter.choose(missing).choose(missing);
    EXPECT_FALSE(gbln_MakeBatchFile(profile, t.context));
    EXPECT_FALSE(gbln_MakeLinuxFile(profile, t.context));
    const QStringList texts = t.prompter.texts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_TRUE(texts[0].contains("Fortwright::frmMain.gbln_MakeBatchFile(Function)"));
    EXPECT_TRUE(texts[2].contains("Fortwright::modFunctions.gbln_MakeLinuxFile(Function)"));
    EXPECT_TRUE(t.services.openedDocuments.isEmpty());
}
