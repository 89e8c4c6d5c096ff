#include "profile/ServerProfile.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace fw;
using G = SettingGroup;

// The counts, tags and initial values themselves are held by the whole-file comparisons of a
// fresh profile's INI file, server configuration and "profile show".
TEST(SettingsCatalogue, FieldsAreUniqueOfTheirGroupsKindAndStartWithinTheirRange)
{
    QSet<qint64> seen;
    for (const SettingField& f : SettingsCatalogue::fields()) {
        EXPECT_FALSE(seen.contains((qint64(f.group) << 32) | quint32(f.index))) << f.tag.toStdString();
        seen.insert((qint64(f.group) << 32) | quint32(f.index));
        EXPECT_EQ(f.kind, SettingsCatalogue::group(f.group).kind) << f.tag.toStdString();
        if (f.kind == FieldKind::Number) {
            EXPECT_LE(f.minimum, f.initial.toInt()) << f.tag.toStdString();
            EXPECT_GE(f.maximum, f.initial.toInt()) << f.tag.toStdString();
        }
    }
    for (const GroupInfo& info : SettingsCatalogue::groups()) {
        const QList<SettingField> members = SettingsCatalogue::members(info.group);
        ASSERT_FALSE(members.isEmpty()) << info.name.toStdString();
        for (int i = 0; info.isArray && i < members.size(); ++i)
            EXPECT_EQ(members[i].index, i) << "members are visited lowest index first";
    }
    G found {};
    EXPECT_TRUE(SettingsCatalogue::groupByName(QStringLiteral("chkSOF2Options"), found));
    EXPECT_EQ(found, G::chkSOF2Options);
    EXPECT_FALSE(SettingsCatalogue::groupByName(QStringLiteral("chkSof2Options"), found));
}

TEST(ServerProfile, SettingRefusesWhatTheGroupDoesNotHave)
{
    ServerProfile p;
    EXPECT_TRUE(p.setValue(G::txtMovement, 0, QStringLiteral("100")));
    EXPECT_EQ(p.text(G::txtGameSettings, 18), QStringLiteral("200"))
        << "the two time-out fields are independent";
    EXPECT_FALSE(p.setValue(G::txtMovement, 6, QStringLiteral("1")));
    EXPECT_FALSE(p.setValue(G::optGameType, 1, QStringLiteral("1")));
    EXPECT_FALSE(p.select(G::optGameType, 4));
    EXPECT_FALSE(p.select(G::txtMovement, 0));
    EXPECT_EQ(p.selected(G::optGameType), 0);
    EXPECT_TRUE(p.select(G::optGameType, 3));
    EXPECT_EQ(p.selectedTag(G::optGameType), QStringLiteral("4"));
    p.clearSelection(G::optServerType);
    EXPECT_EQ(p.selected(G::optServerType), -1);
    EXPECT_EQ(p.selectedTag(G::optServerType), QString());
    EXPECT_EQ(p.value(G::optGameType, 0), QStringLiteral("0"));
    EXPECT_EQ(p.value(G::optGameType, 3), QStringLiteral("1"));
    EXPECT_TRUE(p.setValue(G::chkDMFlags, 1, QStringLiteral("2")));
    EXPECT_TRUE(p.isOn(G::chkDMFlags, 1)) << "a grey box counts as on";
}
