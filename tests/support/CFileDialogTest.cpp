#include "support/CFileDialog.h"
#include "testkit/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace fw;

TEST(CFileDialog, TrimNullsCutsAtTheFirstPairAndBlanksTheRest)
{
    const auto nul = [](const char* text, qsizetype size) { return QString::fromLatin1(text, size); };
    EXPECT_EQ(TrimNulls(nul("C:\\a.cfg\0\0\0\0", 12)), QStringLiteral("C:\\a.cfg"));
    EXPECT_EQ(TrimNulls(nul("\0\0C:\\a.cfg", 10)), QString());
    EXPECT_EQ(TrimNulls(nul("C:\\dir\0a.cfg\0b.cfg\0\0", 21)), QStringLiteral("C:\\dir a.cfg b.cfg"));
    EXPECT_EQ(TrimNulls(nul("a.cfg\0", 6)), QStringLiteral("a.cfg "));
    EXPECT_EQ(TrimNulls(QStringLiteral("plain")), QStringLiteral("plain"));
}

TEST(CFileDialog, ShowPassesThePropertiesAndTakesTheChoice)
{
    test::ScriptedPrompter prompter;
    CFileDialog dialog(prompter);
    dialog.setDialogTitle(QStringLiteral("Save configuration"));
    dialog.setFilter(QStringLiteral("Server Configuration File (*.cfg)|*.cfg"));
    dialog.setFilterIndex(1);
    dialog.setInitialDir(QStringLiteral("/games/mohaa/main"));
    dialog.setDefaultExt(QStringLiteral("cfg"));
    dialog.setFileName(QStringLiteral("server.cfg"));
    dialog.setFlags(FileDialogFlag::OverwritePrompt | FileDialogFlag::PathMustExist);

    prompter.choose(QStringLiteral("/games/mohaa/main/my server.cfg"));
    EXPECT_TRUE(dialog.Show(false));
    ASSERT_EQ(prompter.dialogs().size(), 1);
    const FileDialogRequest& request = prompter.dialogs()[0];
    EXPECT_FALSE(request.open);
    EXPECT_EQ(request.title, QStringLiteral("Save configuration"));
    EXPECT_EQ(request.filter, QStringLiteral("Server Configuration File (*.cfg)|*.cfg"));
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.initialDir, QStringLiteral("/games/mohaa/main"));
    EXPECT_EQ(request.defaultExt, QStringLiteral("cfg"));
    EXPECT_EQ(request.fileName, QStringLiteral("server.cfg"));
    EXPECT_EQ(request.flags, 0x802u);
    EXPECT_EQ(dialog.FileName(), QStringLiteral("/games/mohaa/main/my server.cfg"));
    EXPECT_EQ(dialog.FileTitle(), QStringLiteral("my server.cfg"));

    prompter.choose(QString());
    EXPECT_FALSE(dialog.Show(true)) << "cancelled";
    EXPECT_TRUE(prompter.dialogs()[1].open);
    EXPECT_EQ(dialog.FileName(), QStringLiteral("/games/mohaa/main/my server.cfg"));
    EXPECT_TRUE(prompter.boxes().isEmpty());
}

TEST(CFileDialog, AFileNameLongerThanTheBufferShowsTheErrorBox)
{
    test::ScriptedPrompter prompter;
    CFileDialog dialog(prompter);
    dialog.setMaxFileSize(8);
    dialog.setFileName(QStringLiteral("123456789"));
    EXPECT_FALSE(dialog.Show(true));
    EXPECT_TRUE(prompter.dialogs().isEmpty());
    ASSERT_EQ(prompter.boxes().size(), 1);
    EXPECT_EQ(prompter.boxes()[0].text, QStringLiteral("Error: 5. Invalid procedure call or argument"));
    EXPECT_EQ(prompter.boxes()[0].title, QStringLiteral("Show"));
    EXPECT_EQ(dialog.FileName(), QStringLiteral("123456789"));

    dialog.setFileName(QStringLiteral("12345678"));
    prompter.choose(QStringLiteral("/a/much/longer/path.cfg"));
    EXPECT_TRUE(dialog.Show(true)) << "a name that just fits is fine, and so is a long choice";
    EXPECT_EQ(dialog.FileName(), QStringLiteral("/a/much/longer/path.cfg"));
    EXPECT_EQ(dialog.FileTitle(), QStringLiteral("path.cfg"));
}
