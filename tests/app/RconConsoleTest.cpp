#include "WindowFixture.h"
#include "app/CommandHistoryEdit.h"
#include "app/ConsoleOutputView.h"
#include "app/FrmServerConsole.h"
#include "app/PlayerTableView.h"
#include "app/RconSession.h"
#include "app/ServerHosting.h"
#include "profile/FieldId.h"
#include "server/rcon/RconTargetSettings.h"
#include "support/platform/Clock.h"
#include "testkit/TestData.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>

namespace {

const QByteArray kOutOfBand("\xff\xff\xff\xff");

// A MOHAA-framed server on loopback that answers getstatus, rcon status and any other rcon
// command, and keeps every request it was sent (after its five-byte head).
struct FakeServer {
    QUdpSocket socket;
    QStringList requests;

    FakeServer()
    {
        socket.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&socket, &QUdpSocket::readyRead, [this] {
            while (socket.hasPendingDatagrams()) {
                const QNetworkDatagram asked = socket.receiveDatagram();
                const QString request = QString::fromLatin1(asked.data().mid(5));
                requests << request;
                socket.writeDatagram(asked.makeReply(kOutOfBand + '\x01' + answer(request).toLatin1()));
            }
        });
    }

    static QString answer(const QString& request)
    {
        if (request == u"getstatus"_s)
            return u"statusResponse\n\\sv_hostname\\^1My ^7Server\\mapname\\obj/obj_team1\\sv_maxclients\\20"
                   "\\g_gametype\\4\n48 \"Some Player\"\n999 \"^2Late^7 Joiner\"\n"_s;
        if (!request.startsWith(u"rcon secret "_s))
            return u"print\nBad rconpassword.\n"_s;
        const QString command = request.mid(12);
        if (command == u"status"_s)
            return u"print\n"_s + QString::fromLatin1(testData(u"rcon-status-openmohaa.txt"_s));
        return u"print\ndone: "_s + command + u'\n';
    }
    int count(const QString& request) const { return int(requests.count(request)); }
};

QStringList rows(const QTableWidget& table)
{
    QStringList out;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells << table.item(row, column)->text();
        out << cells.join(u'|');
    }
    return out;
}

using RconConsoleTest = test::WindowFixture;

} // namespace

TEST_F(RconConsoleTest, TheConsoleShowsTheServerAndItsPlayersAsksBeforeAKickAndAsksNothingWhileHidden)
{
    FakeServer server;
    QUdpSocket silent; // a server that never answers
    silent.bind(QHostAddress::LocalHost, 0);
    find<QLineEdit>(u"txtAdministration_16"_s)->setText(QString::number(server.socket.localPort()));
    find<QLineEdit>(u"txtAdministration_13"_s)->setText(u"secret"_s);
    RconTargetSettings(t.context.settingsStorePath).setRefreshSeconds(2);
    window.hosting().showConsole();
    FrmServerConsole& console = *window.hosting().console();
    auto label = [&](const QString& name) { return find<QLabel>(name, &console)->text(); };
    PlayerTableView& table = *console.players();
    ConsoleOutputView& output = *console.output();

    ASSERT_TRUE(QTest::qWaitFor([&] { return table.rowCount() == 3; }, 5000))
        << "status's table, not getstatus's";
    EXPECT_EQ(label(u"lblRconServerName"_s), u"My Server"_s);
    EXPECT_EQ(label(u"lblRconServerDetails"_s), u"obj/obj_team1  \u00b7  2/20 players  \u00b7  Objective"_s);
    EXPECT_EQ(label(u"lblRconLastAnswer"_s), u"Last answer "_s + timeText(t.clock.at));
    EXPECT_EQ(rows(table),
        (QStringList { u"0|Some Player|5|48|203.0.113.9:12203"_s, u"1|Red Baron|12|CNCT|198.51.100.7:12203"_s,
            u"12|Two  Blanks|-3|ZMBI|loopback"_s }));

    table.selectRow(0);
    t.prompter.type(u"camping"_s).answer(Answer::No);
    table.action(PlayerAction::Kick)->trigger();
    const QString asked = u"Kick Some Player (slot 0) off the server?\n\nFortwright sends the rcon command:\n"
                          "clientkick 0 camping"_s;
    EXPECT_EQ(t.prompter.texts(), QStringList { asked });
    t.prompter.type(u"camping"_s).answer(Answer::Yes);
    table.action(PlayerAction::Kick)->trigger();
    QTest::keyClicks(console.rconLine(), u"say hello all"_s);
    QTest::keyClick(console.rconLine(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.count(u"rcon secret say hello all"_s) == 1; }, 5000));
    EXPECT_EQ(server.count(u"rcon secret clientkick 0 camping"_s), 1) << "sent once: after Yes, not after No";
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            output.flush();
            return output.toPlainText().contains(u"done: say hello all"_s);
        },
        5000));
    EXPECT_TRUE(output.toPlainText().endsWith(
        u"rcon> clientkick 0 camping\ndone: clientkick 0 camping\nrcon> say hello all\ndone: say hello all"_s))
        << output.toPlainText().toStdString();
    EXPECT_FALSE(output.toPlainText().contains(u"secret"_s)) << "the password is never shown";

    const int before = server.count(u"getstatus"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.count(u"getstatus"_s) > before; }, 4000))
        << "refreshed in view";
    RconClient& client = window.hosting().rcon()->client();
    ASSERT_TRUE(QTest::qWaitFor([&] { return client.pending() == 0; }, 4000));
    console.hide();
    const int hidden = int(server.requests.size());
    QTest::qWait(3000);
    EXPECT_EQ(server.requests.size(), hidden) << "nothing asked while hidden";

    // Another port, typed into the window: kept for the installation, not in the profile.
    QLineEdit& port = *find<QLineEdit>(u"txtRconPort"_s, &console);
    port.setText(QString::number(silent.localPort()));
    emit port.editingFinished();
    EXPECT_EQ(RconTargetSettings(t.context.settingsStorePath).port(), silent.localPort());
    EXPECT_EQ(window.profile().text(field::ServerPort), QString::number(server.socket.localPort()));
    EXPECT_EQ(label(u"lblRconServerName"_s), u"127.0.0.1:%1"_s.arg(silent.localPort()))
        << "the old server is gone";
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return label(u"lblRconLastAnswer"_s) == u"No answer"_s; }, 5000));
    EXPECT_TRUE(label(u"lblRconServerDetails"_s)
                    .startsWith(u"No answer from 127.0.0.1:%1 within 2 s"_s.arg(silent.localPort())));
}

TEST_F(RconConsoleTest, WithoutAnRconPassTheTableListsGetstatusPlayersAndOnlySayToAllIsOffered)
{
    FakeServer server;
    find<QLineEdit>(u"txtAdministration_16"_s)->setText(QString::number(server.socket.localPort()));
    window.hosting().showConsole();
    FrmServerConsole& console = *window.hosting().console();
    PlayerTableView& table = *console.players();
    ASSERT_TRUE(QTest::qWaitFor([&] { return table.rowCount() == 2; }, 5000));
    EXPECT_EQ(rows(table), (QStringList { u"|Some Player||48|"_s, u"|Late Joiner||999|"_s }));
    EXPECT_EQ(server.requests, QStringList { u"getstatus"_s }) << "no rcon without a password";
    table.selectRow(0);
    EXPECT_FALSE(table.action(PlayerAction::Kick)->isEnabled());
    EXPECT_FALSE(table.action(PlayerAction::Ban)->isEnabled());
    EXPECT_TRUE(table.action(PlayerAction::SayToAll)->isEnabled());
    console.output()->flush();
    EXPECT_TRUE(console.output()->toPlainText().startsWith(u"[Fortwright] The profile has no Rcon Pass."_s));
}
