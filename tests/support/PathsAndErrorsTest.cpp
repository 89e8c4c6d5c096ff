#include "support/errors/ErrorReporter.h"
#include "support/files/PathHelpers.h"
#include "testkit/TestContext.h"

#include <QDir>

TEST(PathHelpers, CheckDirCreatesOneLevelAndReportsWhatItCannotCreate)
{
    test::TestContext t;
    const QString fresh = t.root.filePath(u"fresh"_s);
    EXPECT_EQ(gstr_CheckDir(fresh, t.prompter), fresh + QDir::separator());
    EXPECT_TRUE(QDir(fresh).exists());

    const QString deep = t.root.filePath(u"no/such/parent"_s);
    EXPECT_EQ(gstr_CheckDir(deep, t.prompter), deep) << "returned unchanged";
    ASSERT_EQ(t.prompter.boxes().size(), 1);
    EXPECT_EQ(std::pair(t.prompter.boxes()[0].title, t.prompter.boxes()[0].icon),
        std::pair(u"Error in gstr_CheckDir"_s, MessageIcon::Exclamation));
}

TEST(PathHelpers, ConfigNameCheckRefusesTheEightCharactersAndWhatACommandLineWouldRun)
{
    test::TestContext t;
    EXPECT_TRUE(gbln_CheckConfigName(u"My Server 2"_s, t.prompter));
    EXPECT_TRUE(gbln_CheckConfigName(QString(), t.prompter));
    EXPECT_TRUE(t.prompter.boxes().isEmpty());
    for (const QChar c : kForbiddenNameCharacters)
        EXPECT_FALSE(gbln_CheckConfigName(u"a"_s + c + u"b"_s, t.prompter));
    test::Boxes refused(
        8, test::warningBox(u"Invalid config name, you cannot use \\/:*?<>| in a config name        "_s));
    EXPECT_EQ(t.prompter.boxes(), refused);

    // What a shell or the server's command line would run is refused as well, with its own reason.
    for (const char* name :
        { "srv;touch X", "a&b", "$(id)", "`id`", "say\"hi", "it's", "tab\there", "new\nline" })
        EXPECT_FALSE(gbln_CheckConfigName(QString::fromLatin1(name), t.prompter)) << name;
    refused += test::Boxes(8,
        test::warningBox(
            u"Invalid config name, you cannot use ;&$`\"' or control characters in a config name: "
            "the server's command line would take them as commands        "_s));
    EXPECT_EQ(t.prompter.boxes(), refused);

    EXPECT_EQ(configFileName(u"abc"_s), u"abc.cfg"_s);
    EXPECT_EQ(configFileName(u"server.CFG"_s), u"server.CFG"_s);
    EXPECT_EQ(configFileName(u"cfg"_s), u"cfg.cfg"_s);
    EXPECT_EQ(configFileName(u".cfg"_s), u".cfg"_s);
}

TEST(ErrorReporter, StandardCallLogsAnEntryAndShowsTheBox)
{
    test::TestContext t;
    const FortwrightError error(53, u"Fortwright"_s, u"File not found"_s);
    t.errors.report(u"::modFunctions.gbln_MakeBANList(Function)"_s, error);
    t.errors.report(u"::modFunctions.gbln_MakeBANList(Function)"_s, error);

    const QString log = t.dataFile(u"Fortwright.log"_s);
    EXPECT_EQ(t.errors.lastErrorLog(), log);
    const QByteArray entry = QByteArray(78, '-') + "\r\n---09/09/2001 01:46:40---\r\n"
        + "Error 53 in Fortwright::modFunctions.gbln_MakeBANList(Function) (Fortwright):\r\nFile not "
          "found\r\n";
    EXPECT_EQ(test::readBytes(log), entry + entry) << "two reports append, nothing is emptied";

    EXPECT_EQ(t.prompter.boxes(),
        test::Boxes(2,
            test::criticalBox(
                u"Following error occurred in this application:\r\n\r\nFile not found\r\nNumber: 53\r\n"
                "Source: Fortwright::modFunctions.gbln_MakeBANList(Function) (Fortwright)"_s,
                u"Fortwright Error"_s)));
}

TEST(ErrorReporter, AnUnwritableLogStillShowsTheBox)
{
    test::TestContext t;
    const FortwrightError error(5, u"src"_s, u"bad"_s);
    EXPECT_FALSE(t.errors.WriteErrorLog(u"x"_s, t.root.filePath(u"no/dir/log.txt"_s), true, true, false));
    t.errors.report(u"::Code.CreateMOHAAConfiguration(Function)"_s, error);
    EXPECT_EQ(t.prompter.boxes().size(), 1);
}
