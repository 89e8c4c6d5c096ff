#include "server/LocalAddress.h"
#include "testkit/ScriptedPrompter.h"

#include <QHostAddress>

namespace {

HostLookup lookupOf(const QString& name, const QList<QHostAddress>& addresses, QString* asked = nullptr)
{
    HostLookup lookup;
    lookup.hostName = [name] { return name; };
    lookup.resolve = [addresses, asked](const QString& query) {
        if (asked)
            *asked = query;
        QHostInfo info;
        info.setAddresses(addresses);
        if (addresses.isEmpty())
            info.setError(QHostInfo::HostNotFound);
        return info;
    };
    return lookup;
}

} // namespace

TEST(LocalAddress, FirstIpv4AddressOfTheHostName)
{
    ScriptedPrompter prompter;
    QString asked;
    const QList<QHostAddress> addresses { QHostAddress(u"fe80::1"_s), QHostAddress(u"10.0.0.7"_s),
        QHostAddress(u"192.168.0.10"_s) };
    EXPECT_EQ(GetLocalAddress(prompter, lookupOf(u" box "_s, addresses, &asked)), u"10.0.0.7"_s);
    EXPECT_EQ(asked, u"box"_s) << "the name is trimmed before the lookup";
    EXPECT_TRUE(prompter.boxes().isEmpty());
}

TEST(LocalAddress, FailuresShowAPlainBoxAndGiveNothing)
{
    ScriptedPrompter prompter;
    EXPECT_EQ(GetLocalAddress(prompter, lookupOf(u"box"_s, {})), QString());
    EXPECT_EQ(GetLocalAddress(prompter, lookupOf(QString(), {})), QString());
    EXPECT_EQ(prompter.texts(),
        QStringList({ u"Windows Sockets are not responding. Unable to successfully get Host Name."_s,
            u"Windows Sockets error  0 has occurred. Unable to successfully get Host Name."_s }));
    for (const MessageBox& box : prompter.boxes())
        EXPECT_TRUE(box.icon == MessageIcon::None && box.title == u"Fortwright"_s) << box.title.toStdString();
}
