#include "profile/ProfileStore.h"
#include "profile/ServerProfile.h"
#include "support/files/PathHelpers.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace fw;
using G = SettingGroup;

TEST(ProfileStore, NamedProfilesGoThroughTheDialogs)
{
    test::TestContext t;
    const QString folder = addSlash(t.context.dataDir) + QStringLiteral("Fortwright Configs");
    const QString chosen = t.dataFile(QStringLiteral("clan.ini"));
    ServerProfile p;
    p.select(G::optGameType, 2);
    t.prompter.choose(chosen);
    EXPECT_TRUE(SaveProfile(p, t.context, false).written);
    ASSERT_EQ(t.prompter.dialogs().size(), 1);
    const FileDialogRequest save = t.prompter.dialogs().first();
    EXPECT_FALSE(save.open);
    EXPECT_EQ(save.title, QStringLiteral("Save Fortwright configuration file"));
    EXPECT_EQ(save.filter, QStringLiteral("Fortwright Configuration (*.ini)|*.ini"));
    EXPECT_EQ(save.defaultExt, QStringLiteral("ini"));
    EXPECT_EQ(save.flags, 0x82002u);
    EXPECT_EQ(save.initialDir, folder);
    EXPECT_FALSE(QFileInfo::exists(folder)) << "the folder is not created";

    ServerProfile q;
    t.prompter.choose(chosen);
    EXPECT_TRUE(LoadProfile(q, t.context, false).fileRead);
    EXPECT_EQ(q.selected(G::optGameType), 2);
    t.prompter.choose(QString());
    EXPECT_FALSE(SaveProfile(ServerProfile(), t.context, false).written) << "cancelled";
    t.prompter.choose(QString());
    EXPECT_FALSE(LoadProfile(q, t.context, false).fileRead) << "cancelled";
    EXPECT_EQ(q.selected(G::optGameType), 2);
    EXPECT_EQ(QDir(t.context.dataDir).entryList(QDir::Files), QStringList { "clan.ini" });
    const FileDialogRequest open = t.prompter.dialogs()[1];
    EXPECT_TRUE(open.open);
    EXPECT_EQ(open.flags, 0x81000u);
    EXPECT_EQ(open.title, QStringLiteral("Open Fortwright configuration file"));
    EXPECT_EQ(open.initialDir, folder);
}
