#include "profile/FieldValueRules.h"
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

TEST(ServerProfile, ValuesTheServerWouldReadOtherwiseAreWarnedAboutNotChanged)
{
    const SettingField& host = *SettingsCatalogue::field(G::txtAdministration, 2);
    EXPECT_TRUE(fieldValueWarnings(host, QStringLiteral("Clan's server, 24/7 [EU]")).isEmpty());
    for (const char* broken : { "a\nb", "a\rb", "a\r\n" })
        EXPECT_EQ(fieldValueWarnings(host, QString::fromLatin1(broken)),
            QStringList {
                QStringLiteral("Host holds a line break: the server would read what follows it as a "
                               "line of its own (a profile file keeps it as a blank)") })
            << broken;
    const QStringList both = fieldValueWarnings(host, QStringLiteral("\"Best\"\nServer"));
    ASSERT_EQ(both.size(), 2) << "one warning per kind, however many there are";
    EXPECT_EQ(both[1],
        QStringLiteral("Host holds a double quote: the server would read the value as ending there"));
    EXPECT_TRUE(
        fieldValueWarnings(*SettingsCatalogue::field(G::txtMsg), QStringLiteral("one\r\ntwo")).isEmpty())
        << "the message is sent line by line";

    ServerProfile p;
    EXPECT_TRUE(profileValueWarnings(p).isEmpty());
    p.setValue(G::txtAdministration, 13, QStringLiteral("pa\"ss"));
    p.setValue(G::txtMasterServers, 0, QStringLiteral("master\n"));
    p.message = QStringLiteral("a\r\nb");
    const QStringList warnings = profileValueWarnings(p);
    ASSERT_EQ(warnings.size(), 2) << warnings.join('|').toStdString();
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("Rcon Pass holds a double quote")));
    EXPECT_TRUE(warnings[1].startsWith(QStringLiteral("sv_master1 holds a line break")))
        << "a numbered caption is named by the server's name";
    EXPECT_EQ(p.text(G::txtAdministration, 13), QStringLiteral("pa\"ss")) << "kept as typed";
}
