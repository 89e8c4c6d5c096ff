#include "profile/ProfileStore.h"
#include "profile/ServerProfile.h"
#include "support/files/PathHelpers.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFileInfo>

TEST(ProfileStore, NamedProfilesGoThroughTheDialogs)
{
    test::TestContext t;
    const QString folder = addSlash(t.context.dataDir) + u"Fortwright Configs"_s;
    const QString chosen = t.dataFile(u"clan.ini"_s);
    ServerProfile p;
    p.select(G::optGameType, 2);
    t.prompter.choose(chosen);
    EXPECT_TRUE(SaveProfile(p, t.context, false).written);
    const FileDialogRequest save { false, u"Save Fortwright configuration file"_s,
        u"Fortwright Configuration (*.ini)|*.ini"_s, folder, QString(), u"ini"_s, 0x82002u, 0 };
    EXPECT_EQ(t.prompter.dialogs(), test::Dialogs { save });
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
    FileDialogRequest open = save;
    open.open = true;
    open.title = u"Open Fortwright configuration file"_s;
    open.flags = 0x81000u;
    EXPECT_EQ(t.prompter.dialogs(), test::Dialogs({ save, open, save, open }));
}
