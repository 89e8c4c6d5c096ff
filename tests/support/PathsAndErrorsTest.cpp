#include "support/errors/ErrorReporter.h"
#include "support/files/PathHelpers.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace fw;

TEST(PathHelpers, CheckDirCreatesOneLevelAndReportsWhatItCannotCreate)
{
    test::TestContext t;
    const QString fresh = t.root.filePath(QStringLiteral("fresh"));
    EXPECT_EQ(gstr_CheckDir(fresh, t.prompter), fresh + QDir::separator());
    EXPECT_TRUE(QDir(fresh).exists());

    const QString deep = t.root.filePath(QStringLiteral("no/such/parent"));
    EXPECT_EQ(gstr_CheckDir(deep, t.prompter), deep) << "returned unchanged";
    ASSERT_EQ(t.prompter.boxes().size(), 1);
    EXPECT_EQ(t.prompter.boxes()[0].title, QStringLiteral("Error in gstr_CheckDir"));
    EXPECT_EQ(t.prompter.boxes()[0].icon, MessageIcon::Exclamation);
}

TEST(PathHelpers, ConfigNameCheckRefusesTheEightCharactersAndWhatACommandLineWouldRun)
{
    test::TestContext t;
    EXPECT_TRUE(gbln_CheckConfigName(QStringLiteral("My Server 2"), t.prompter));
    EXPECT_TRUE(gbln_CheckConfigName(QString(), t.prompter));
    EXPECT_TRUE(t.prompter.boxes().isEmpty());
    for (const QChar c : kForbiddenNameCharacters) {
        EXPECT_FALSE(gbln_CheckConfigName(QStringLiteral("a") + c + QStringLiteral("b"), t.prompter));
    }
    ASSERT_EQ(t.prompter.boxes().size(), 8);
    EXPECT_EQ(t.prompter.boxes()[0].text,
        QStringLiteral("Invalid config name, you cannot use \\/:*?<>| in a config name        "));

    // What a shell or the server's command line would run is refused as well, with its own reason.
    for (const char* name :
        { "srv;touch X", "a&b", "$(id)", "`id`", "say\"hi", "it's", "tab\there", "new\nline" })
        EXPECT_FALSE(gbln_CheckConfigName(QString::fromLatin1(name), t.prompter)) << name;
    ASSERT_EQ(t.prompter.boxes().size(), 16);
    EXPECT_EQ(t.prompter.boxes().last().text,
        QStringLiteral("Invalid config name, you cannot use ;&$`\"' or control characters in a config name: "
                       "the server's command line would take them as commands        "));

    EXPECT_EQ(configFileName(QStringLiteral("abc")), QStringLiteral("abc.cfg"));
    EXPECT_EQ(configFileName(QStringLiteral("server.CFG")), QStringLiteral("server.CFG"));
    EXPECT_EQ(configFileName(QStringLiteral("cfg")), QStringLiteral("cfg.cfg"));
    EXPECT_EQ(configFileName(QStringLiteral(".cfg")), QStringLiteral(".cfg"));
}

TEST(ErrorReporter, StandardCallLogsAnEntryAndShowsTheBox)
{
    test::TestContext t;
    const FortwrightError error(53, QStringLiteral("Fortwright"), QStringLiteral("File not found"));
    t.errors.report(QStringLiteral("::modFunctions.gbln_MakeBANList(Function)"), error);
    t.errors.report(QStringLiteral("::modFunctions.gbln_MakeBANList(Function)"), error);

    const QString log = t.dataFile(QStringLiteral("Fortwright.log"));
    EXPECT_EQ(t.errors.lastErrorLog(), log);
    const QByteArray entry = QByteArray(78, '-') + "\r\n---09/09/2001 01:46:40---\r\n"
        + "Error 53 in Fortwright::modFunctions.gbln_MakeBANList(Function) (Fortwright):\r\nFile not "
          "found\r\n";
    EXPECT_EQ(test::readBytes(log), entry + entry) << "two reports append, nothing is emptied";

    ASSERT_EQ(t.prompter.boxes().size(), 2);
    const MessageBox& box = t.prompter.boxes()[0];
    EXPECT_EQ(box.title, QStringLiteral("Fortwright Error"));
    EXPECT_EQ(box.icon, MessageIcon::Critical);
    EXPECT_EQ(box.text,
        QStringLiteral("Following error occurred in this application:\r\n\r\nFile not found\r\nNumber: 53\r\n"
                       "Source: Fortwright::modFunctions.gbln_MakeBANList(Function) (Fortwright)"));
}

TEST(ErrorReporter, AnUnwritableLogStillShowsTheBox)
{
    test::TestContext t;
    const FortwrightError error(5, QStringLiteral("src"), QStringLiteral("bad"));
    EXPECT_FALSE(t.errors.WriteErrorLog(
        QStringLiteral("x"), t.root.filePath(QStringLiteral("no/dir/log.txt")), true, true, false));
    t.errors.report(QStringLiteral("::Code.CreateMOHAAConfiguration(Function)"), error);
    EXPECT_EQ(t.prompter.boxes().size(), 1);
}
