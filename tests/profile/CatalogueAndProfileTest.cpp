#include "profile/ServerProfile.h"

TEST(ServerProfile, OptionsAndCheckBoxesReadAsTheirFilesNeed)
{
    ServerProfile p;
    EXPECT_FALSE(p.setValue(G::txtMovement, 6, u"1"_s)) << "no such member";
    EXPECT_TRUE(p.select(G::optGameType, 3));
    EXPECT_EQ(p.value(G::optGameType, 0), u"0"_s);
    EXPECT_EQ(p.value(G::optGameType, 3), u"1"_s);
    EXPECT_TRUE(p.setValue(G::chkDMFlags, 1, u"2"_s));
    EXPECT_TRUE(p.isOn(G::chkDMFlags, 1)) << "a grey box counts as on";
}
