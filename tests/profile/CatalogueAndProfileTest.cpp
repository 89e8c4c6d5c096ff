#include "profile/FieldValueRules.h"
#include "profile/ServerProfile.h"

#include <gtest/gtest.h>

using namespace fw;
using G = SettingGroup;

TEST(ServerProfile, OptionsAndCheckBoxesReadAsTheirFilesNeed)
{
    ServerProfile p;
    EXPECT_FALSE(p.setValue(G::txtMovement, 6, QStringLiteral("1"))) << "no such member";
    EXPECT_TRUE(p.select(G::optGameType, 3));
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
    p.setValue(G::txtAdministration, 13, QStringLiteral("pa\"ss"));
    p.setValue(G::txtMasterServers, 0, QStringLiteral("master\n"));
    p.message = QStringLiteral("a\r\nb");
    const QStringList warnings = profileValueWarnings(p);
    ASSERT_EQ(warnings.size(), 2) << warnings.join('|').toStdString();
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("Rcon Pass holds a double quote")));
    EXPECT_TRUE(warnings[1].startsWith(QStringLiteral("sv_master1 holds a line break")))
        << "a numbered caption is named by the server's name";
}
