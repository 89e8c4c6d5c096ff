#include "profile/ServerProfile.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace fw;
using G = SettingGroup;

TEST(SettingsCatalogue, GroupsHaveExactlyTheirMembersWithUniqueIndexes)
{
    const QList<std::pair<G, int>> counts = { { G::txtAdministration, 18 }, { G::txtGameSettings, 21 },
        { G::chkSOF2Options, 16 }, { G::txtMovement, 6 }, { G::txtMasterServers, 5 }, { G::GameLimit, 3 },
        { G::chkDMFlags, 3 }, { G::optGameType, 4 }, { G::optLogging, 4 }, { G::optServerType, 3 } };
    for (const auto& [group, count] : counts) {
        const QList<SettingField> members = SettingsCatalogue::members(group);
        ASSERT_EQ(members.size(), count) << SettingsCatalogue::group(group).name.toStdString();
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(members[i].index, i) << "members are visited lowest index first";
    }
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
    for (const GroupInfo& info : SettingsCatalogue::groups())
        EXPECT_GT(SettingsCatalogue::memberCount(info.group), 0) << info.name.toStdString();
}

TEST(SettingsCatalogue, CarriesTheTagsCaptionsAndTooltipsOtherCodeReliesOn)
{
    EXPECT_EQ(SettingsCatalogue::tag(G::txtAdministration, 13), QStringLiteral("rconPassword"));
    EXPECT_EQ(SettingsCatalogue::tag(G::txtGameSettings, 10), QStringLiteral("com_HunkMegs"));
    EXPECT_EQ(SettingsCatalogue::tag(G::txtGameSettings, 18), QStringLiteral("sv_timeout"));
    EXPECT_EQ(SettingsCatalogue::tag(G::txtMovement, 0), QStringLiteral("sv_timeout"));
    EXPECT_EQ(SettingsCatalogue::tag(G::optServerType, 2), QStringLiteral("+set dedicated 0"));
    EXPECT_EQ(SettingsCatalogue::tag(G::chkDMFlags, 2), QStringLiteral("32"));
    EXPECT_EQ(SettingsCatalogue::tag(G::chkPunkBuster), QStringLiteral("nomonsters"));
    EXPECT_EQ(
        SettingsCatalogue::field(G::chkSOF2Options, 6)->caption, QStringLiteral("Fo&rce Team &Balance"));
    EXPECT_EQ(SettingsCatalogue::field(G::txtAdministration, 1)->captionTooltip,
        QStringLiteral("The name of this server configuration (required)"));
    EXPECT_EQ(SettingsCatalogue::field(G::txtAdministration, 14)->tooltip,
        QStringLiteral("Set Private password  (type none for no password)"));
    EXPECT_EQ(SettingsCatalogue::field(G::chkSOF2Options, 9)->tooltip,
        QStringLiteral("Toggle synching of all client movements (1 required to record server demo) show "
                       "\"snc\" on lagometer"));
    EXPECT_EQ(SettingsCatalogue::field(G::txtAdministration, 16)->maxLength, 5);
    EXPECT_EQ(SettingsCatalogue::field(G::txtMsgDelay)->minimum, 5);
    EXPECT_EQ(SettingsCatalogue::field(G::txtGameSettings, 7)->maximum, 50000);
    EXPECT_EQ(SettingsCatalogue::group(G::txtMovement).frame, QStringLiteral("Movement: "));
    EXPECT_EQ(SettingsCatalogue::field(G::txtGameSettings, 11)->tooltip, QString());
    G found {};
    EXPECT_TRUE(SettingsCatalogue::groupByName(QStringLiteral("chkSOF2Options"), found));
    EXPECT_EQ(found, G::chkSOF2Options);
    EXPECT_FALSE(SettingsCatalogue::groupByName(QStringLiteral("chkSof2Options"), found));
}

TEST(ServerProfile, AFreshProfileHoldsTheInitialValues)
{
    const ServerProfile p;
    EXPECT_EQ(p.selected(G::optGameType), 0);
    EXPECT_EQ(p.selected(G::optServerType), 1);
    EXPECT_EQ(p.selected(G::optLogging), 3);
    EXPECT_EQ(p.selectedTag(G::optServerType), QStringLiteral("+set dedicated 2"));
    EXPECT_EQ(p.text(G::txtLogFileName), QStringLiteral("MOHAALog.log"));
    EXPECT_EQ(p.text(G::txtAdministration, 16), QStringLiteral("12203"));
    EXPECT_EQ(p.text(G::txtMovement, 0), QStringLiteral("320"));
    EXPECT_EQ(p.text(G::txtGameSettings, 18), QStringLiteral("200"));
    EXPECT_EQ(p.text(G::txtMsgDelay), QStringLiteral("15"));
    EXPECT_EQ(p.text(G::txtDMFlags), QStringLiteral("0"));
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(p.isOn(G::chkDMFlags, i));
    EXPECT_TRUE(p.isOn(G::chkSOF2Options, 8));
    EXPECT_FALSE(p.isOn(G::chkSOF2Options, 0));
    EXPECT_FALSE(p.text(G::txtMasterServers, 0).isEmpty());
    EXPECT_TRUE(p.text(G::txtMasterServers, 4).isEmpty());
    EXPECT_EQ(p.configs.size(), kAdditionalConfigRows);
    EXPECT_TRUE(p.bans.isEmpty());
    EXPECT_TRUE(p.rotation.rows.isEmpty());
    EXPECT_EQ(p.value(G::optGameType, 0), QStringLiteral("1"));
    EXPECT_EQ(p.value(G::optGameType, 1), QStringLiteral("0"));
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
    EXPECT_TRUE(p.setValue(G::chkDMFlags, 1, QStringLiteral("2")));
    EXPECT_TRUE(p.isOn(G::chkDMFlags, 1)) << "a grey box counts as on";
}
