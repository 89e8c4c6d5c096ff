#include "server/LocalAddress.h"
#include "testkit/ScriptedPrompter.h"

#include <QHostAddress>
#include <gtest/gtest.h>

using namespace fw;
using namespace fw::test;

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
    const QList<QHostAddress> addresses { QHostAddress(QStringLiteral("fe80::1")),
        QHostAddress(QStringLiteral("10.0.0.7")), QHostAddress(QStringLiteral("192.168.0.10")) };
    EXPECT_EQ(GetLocalAddress(prompter, lookupOf(QStringLiteral(" box "), addresses, &asked)),
        QStringLiteral("10.0.0.7"));
    EXPECT_EQ(asked, QStringLiteral("box")) << "the name is trimmed before the lookup";
    EXPECT_TRUE(prompter.boxes().isEmpty());
}

TEST(LocalAddress, FailuresShowAPlainBoxAndGiveNothing)
{
    ScriptedPrompter prompter;
    EXPECT_EQ(GetLocalAddress(prompter, lookupOf(QStringLiteral("box"), {})), QString());
    EXPECT_EQ(GetLocalAddress(prompter, lookupOf(QString(), {})), QString());
    ASSERT_EQ(prompter.boxes().size(), 2);
    EXPECT_EQ(prompter.boxes().at(0).text,
        QStringLiteral("Windows Sockets are not responding. Unable to successfully get Host Name."));
    EXPECT_EQ(prompter.boxes().at(0).icon, MessageIcon::None);
    EXPECT_EQ(prompter.boxes().at(0).title, QStringLiteral("Fortwright"));
    EXPECT_EQ(prompter.boxes().at(1).text,
        QStringLiteral("Windows Sockets error  0 has occurred. Unable to successfully get Host Name."));
}
