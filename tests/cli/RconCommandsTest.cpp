#include "CliRun.h"
#include "testkit/TestContext.h"
#include "testkit/TestData.h"

#include <QNetworkDatagram>
#include <QProcess>
#include <QUdpSocket>

namespace {

// The native stand-in on 127.0.0.1 with the rcon password "pw", ready for requests.
struct RconCommands : test::CliFolders {
    void SetUp() override
    {
        test::ensureCoreApplication();
        QUdpSocket probe;
        ASSERT_TRUE(probe.bind(QHostAddress::LocalHost, 0));
        port = QString::number(probe.localPort());
        probe.close();
        // The password comes from the configuration, as with a server Run starts.
        QDir().mkpath(path(u"server/main"_s));
        test::writeBytes(
            path(u"server/main/x.cfg"_s), "seta sv_hostname \"x\"\r\nseta rconPassword \"pw\"\r\n");
        server.setWorkingDirectory(path(u"server"_s));
        server.setProcessChannelMode(QProcess::MergedChannels);
        server.start(test::builtProgram("fortwright-standin-omohaaded"),
            { u"+set"_s, u"net_ip"_s, u"127.0.0.1"_s, u"+set"_s, u"net_port"_s, port, u"+exec"_s,
                u"x.cfg"_s });
        ASSERT_TRUE(server.waitForStarted());
        QByteArray said;
        while (!said.contains("Server Initialization Complete") && server.waitForReadyRead(5000))
            said += server.readAll();
        ASSERT_TRUE(said.contains(("127.0.0.1:" + port).toLatin1())) << said.constData();
        qunsetenv("FORTWRIGHT_RCON_PASSWORD");
    }
    void TearDown() override
    {
        server.kill();
        server.waitForFinished();
        qunsetenv("FORTWRIGHT_RCON_PASSWORD");
    }
    test::CliResult rcon(const QStringList& arguments, const QString& framing = u"mohaa"_s)
    {
        return run(arguments + QStringList { u"--port"_s, port, u"--framing"_s, framing });
    }

    QString port;
    QProcess server;
};

TEST_F(RconCommands, RconPlayersAndQueryPrintTheServersAnswers)
{
    // The profile gives the password and the host; --port and --framing the rest.
    set("txtAdministration", "13", "pw");
    set("txtAdministration", "15", "127.0.0.1");
    const test::CliResult said = rcon({ u"rcon"_s, u"say"_s, u"hello"_s, u"there"_s });
    test::expectRun(said, 0, {});
    EXPECT_EQ(said.out, u"console: hello there\n"_s);

    // A long answer comes in several datagrams and is printed whole.
    const test::CliResult list = rcon({ u"rcon"_s, u"cvarlist"_s }, u"quake3"_s);
    ASSERT_EQ(list.lines().size(), 601) << list.err.toStdString();
    EXPECT_EQ(list.lines().constLast(), u"600 total cvars"_s);

    // The same players from OpenMoHAA's table and ioquake3's; getstatus gives a score only in Quake 3's form.
    for (const QString& framing : { u"mohaa"_s, u"quake3"_s }) {
        EXPECT_EQ(rcon({ u"players"_s }, framing).out, QString::fromUtf8(testData(u"rcon-players.tsv"_s)));
        EXPECT_EQ(rcon({ u"query"_s }, framing).out,
            QString::fromUtf8(testData(u"rcon-query-%1.tsv"_s.arg(framing))));
    }
}

TEST_F(RconCommands, ARefusedPasswordOrSilenceExitsOneWithTheMessage)
{
    // The environment's password wins over the profile's.
    set("txtAdministration", "13", "pw");
    qputenv("FORTWRIGHT_RCON_PASSWORD", "wrong");
    const test::CliResult refused = rcon({ u"rcon"_s, u"status"_s });
    test::expectRun(
        refused, 1, u"The server refused the rcon password (Bad rconpassword.)"_s, test::ErrText::Start);
    EXPECT_FALSE(refused.err.contains(u"wrong"_s));

    server.kill();
    server.waitForFinished();
    test::expectRun(rcon({ u"players"_s }), 1,
        u"No answer from 127.0.0.1:%1 within 2 s: is the server running, and is the port right?\n"_s.arg(
            port));
}

TEST_F(RconCommands, TheStandinKeepsTheServersRateLimit)
{
    QUdpSocket client;
    ASSERT_TRUE(client.bind(QHostAddress::LocalHost, 0));
    for (int i = 0; i < 12; ++i)
        client.writeDatagram(
            QByteArray(4, '\xff') + "\x02getstatus", QHostAddress::LocalHost, port.toUShort());
    int answers = 0;
    while (client.waitForReadyRead(500)) {
        while (client.hasPendingDatagrams()) {
            client.receiveDatagram();
            ++answers;
        }
    }
    EXPECT_EQ(answers, 10);
}

} // namespace
