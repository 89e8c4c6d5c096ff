#include "support/CFileDialog.h"
#include "testkit/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace fw;

TEST(CFileDialog, ShowPassesThePropertiesAndTakesTheChoice)
{
    test::ScriptedPrompter prompter;
    CFileDialog dialog(prompter);
    dialog.setDialogTitle(QStringLiteral("Save configuration"));
    dialog.setFilter(QStringLiteral("Server Configuration File (*.cfg)|*.cfg"));
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
    EXPECT_EQ(request.initialDir, QStringLiteral("/games/mohaa/main"));
    EXPECT_EQ(request.defaultExt, QStringLiteral("cfg"));
    EXPECT_EQ(request.fileName, QStringLiteral("server.cfg"));
    EXPECT_EQ(request.flags, 0x802u);
    EXPECT_EQ(dialog.FileName(), QStringLiteral("/games/mohaa/main/my server.cfg"));

    prompter.choose(QString());
    EXPECT_FALSE(dialog.Show(true)) << "cancelled";
    EXPECT_TRUE(prompter.dialogs()[1].open);
    EXPECT_EQ(dialog.FileName(), QStringLiteral("/games/mohaa/main/my server.cfg"));
    EXPECT_TRUE(prompter.boxes().isEmpty());
}

TEST(CFileDialog, AChosenPathLongerThanTheBufferIsTakenWhole)
{
    test::ScriptedPrompter prompter;
    CFileDialog dialog(prompter);
    const QString chosen
        = QStringLiteral("/games/") + QString(300, QLatin1Char('d')) + QStringLiteral("/path.cfg");
    prompter.choose(chosen);
    EXPECT_TRUE(dialog.Show(false));
    EXPECT_EQ(dialog.FileName(), chosen);

    dialog.setMaxFileSize(8);
    dialog.setFileName(QStringLiteral("123456789"));
    EXPECT_FALSE(dialog.Show(true)) << "a name the buffer cannot hold shows the error instead";
    ASSERT_EQ(prompter.boxes().size(), 1);
    EXPECT_EQ(prompter.boxes()[0].text, QStringLiteral("Error: 5. Invalid procedure call or argument"));
}
