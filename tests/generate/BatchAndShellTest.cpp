#include "GenerateFixture.h"
#include "generate/BatchFileWriter.h"
#include "generate/ShellScriptWriter.h"

#include <QDir>

namespace {

class BatchAndShell : public GenerateFixture {
protected:
    BatchAndShell() { profile.setValue(G::txtAdministration, 1, u"my server"_s); }
    QString target(const QString& name) { return t.root.filePath(name); }
};

} // namespace

TEST_F(BatchAndShell, BatchFileWithInitialSettings)
{
    profile.select(G::optServerType, 0); // the batch file ignores the server type
    t.prompter.choose(target(u"start.bat"_s));
    ASSERT_TRUE(gbln_MakeBatchFile(profile, t.context));
    EXPECT_EQ(readBytes(target(u"start.bat"_s)), expectedData(u"start.bat.expected"_s));
    // The game folder itself, not Main.
    expectSaveDialog(u"Save Batch File"_s, u"Batch File (*.bat)|*.bat"_s, t.context.gamePath);
    EXPECT_EQ(
        t.prompter.boxes(), Boxes { infoBox("'" + target(u"start.bat"_s) + "' has been Saved        ") });
    EXPECT_EQ(t.services.openedDocuments, QStringList({ target(u"start.bat"_s) }));
}

TEST_F(BatchAndShell, BatchFileAddressDefaultPortAndShortName)
{
    profile.setValue(G::txtAdministration, 1, u"abc"_s);
    profile.setValue(G::txtAdministration, 15, u"10.0.0.5"_s);
    profile.setValue(G::txtAdministration, 16, QString());
    profile.setValue(G::txtGameSettings, 11, u"8.50"_s);
    profile.setValue(G::chkSOF2Options, 8, u"0"_s);
    t.prompter.choose(target(u"a.bat"_s));
    ASSERT_TRUE(gbln_MakeBatchFile(profile, t.context, ShowWritten::No));
    EXPECT_EQ(readBytes(target(u"a.bat"_s)), expectedData(u"a.bat.expected"_s));
    EXPECT_TRUE(t.services.openedDocuments.isEmpty());
}

TEST_F(BatchAndShell, ShellScriptWithItsOwnDefaultPort)
{
    profile.setValue(G::txtAdministration, 16, QString());
    profile.setValue(G::txtAdministration, 15, u"10.0.0.5"_s); // the script carries no address
    const QString script = target(u"run server.sh"_s);
    t.prompter.choose(script);
    ASSERT_TRUE(gbln_MakeLinuxFile(profile, t.context));
    EXPECT_EQ(readBytes(script), expectedData(u"run-server.sh.expected"_s));
    EXPECT_EQ(t.prompter.boxes(),
        (Boxes { infoBox(QString::fromLatin1(expectedData(u"shell-script-guide.txt"_s))),
            infoBox(u"Shell script has been Saved        "_s, u"Linux Shell Script"_s) }));
    expectSaveDialog(u"Save Linux Shell Script"_s, u"Linux Shell Script (*.sh)|*.sh"_s,
        t.context.gamePath + QDir::separator() + u"Main"_s);
    EXPECT_EQ(t.services.openedDocuments, QStringList({ script }));
}

TEST_F(BatchAndShell, RefusedNamesAndCancelledDialogsWriteNothing)
{
    profile.setValue(G::txtAdministration, 1, QString());
    EXPECT_FALSE(gbln_MakeBatchFile(profile, t.context));
    EXPECT_FALSE(gbln_MakeLinuxFile(profile, t.context));
    const MessageBox refused = warningBox(u"A config name is required        "_s);
    EXPECT_EQ(t.prompter.boxes(), Boxes({ refused, refused }));
    EXPECT_TRUE(t.prompter.dialogs().isEmpty());

    t.prompter.clear();
    profile.setValue(G::txtAdministration, 1, u"ok"_s);
    t.prompter.choose(QString()).choose(QString());
    EXPECT_FALSE(gbln_MakeBatchFile(profile, t.context));
    EXPECT_FALSE(gbln_MakeLinuxFile(profile, t.context));
    EXPECT_EQ(t.prompter.boxes().size(), 1) << "only the shell script's note before its dialog";
    EXPECT_TRUE(t.services.openedDocuments.isEmpty());
    EXPECT_EQ(QDir(t.root.path()).entryList(QDir::Files), QStringList());
}

TEST_F(BatchAndShell, UnwritableTargetIsReportedWithTheRoutinesLocation)
{
    const QString missing = target(u"no/such/folder/x.bat"_s);
    t.prompter.choose(missing).choose(missing);
    EXPECT_FALSE(gbln_MakeBatchFile(profile, t.context));
    EXPECT_FALSE(gbln_MakeLinuxFile(profile, t.context));
    const QStringList texts = t.prompter.texts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_TRUE(texts[0].contains("Fortwright::frmMain.gbln_MakeBatchFile(Function)"));
    EXPECT_TRUE(texts[2].contains("Fortwright::modFunctions.gbln_MakeLinuxFile(Function)"));
    EXPECT_TRUE(t.services.openedDocuments.isEmpty());
}
