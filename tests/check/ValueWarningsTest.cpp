#include "check/ValueWarnings.h"
#include "profile/ServerProfile.h"

TEST(ValueWarnings, ValuesTheServerWouldReadOtherwiseAreWarnedAboutNotChanged)
{
    const SettingField& host = *SettingsCatalogue::field(G::txtAdministration, 2);
    EXPECT_TRUE(fieldValueWarnings(host, u"Clan's server, 24/7 [EU]"_s).isEmpty());
    for (const char* broken : { "a\nb", "a\rb", "a\r\n" })
        EXPECT_EQ(fieldValueWarnings(host, QString::fromLatin1(broken)),
            QStringList { u"Host holds a line break: the server would read what follows it as a "
                          "line of its own (a profile file keeps it as a blank)"_s })
            << broken;
    const QStringList both = fieldValueWarnings(host, u"\"Best\"\nServer"_s);
    ASSERT_EQ(both.size(), 2) << "one warning per kind, however many there are";
    EXPECT_EQ(both[1], u"Host holds a double quote: the server would read the value as ending there"_s);
    EXPECT_TRUE(fieldValueWarnings(*SettingsCatalogue::field(G::txtMsg), u"one\r\ntwo"_s).isEmpty())
        << "the message is sent line by line";

    ServerProfile p;
    p.setValue(G::txtAdministration, 13, u"pa\"ss"_s);
    p.setValue(G::txtMasterServers, 0, u"master\n"_s);
    p.message = u"a\r\nb"_s;
    const QStringList warnings = profileValueWarnings(p);
    ASSERT_EQ(warnings.size(), 2) << warnings.join('|').toStdString();
    EXPECT_TRUE(warnings[0].startsWith(u"Rcon Pass holds a double quote"_s));
    EXPECT_TRUE(warnings[1].startsWith(u"sv_master1 holds a line break"_s))
        << "a numbered caption is named by the server's name";
}
