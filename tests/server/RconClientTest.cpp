#include "ServerTestKit.h"

#include "server/rcon/RconClient.h"
#include "server/rcon/RconExchange.h"
#include "server/rcon/RconRequest.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QTimer>

namespace {

const QByteArray kFour(4, '\xff');

QByteArray printed(const QByteArray& text)
{
    return kFour + '\x01' + "print\n" + text;
}

// A server on 127.0.0.1 that records each request and answers it with the datagrams the test
// gives, each after its own delay from the request.
class FakeServer {
public:
    using Answer = QList<QPair<int, QByteArray>>;

    FakeServer()
    {
        ensureCoreApplication();
        m_socket.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&m_socket, &QUdpSocket::readyRead, [this] {
            while (m_socket.hasPendingDatagrams()) {
                const QNetworkDatagram request = m_socket.receiveDatagram();
                requests.append(request.data());
                arrivals.append(m_started.elapsed());
                for (const auto& [delay, bytes] : answer) {
                    QTimer::singleShot(delay, [this, bytes, request] {
                        m_socket.writeDatagram(bytes, request.senderAddress(), request.senderPort());
                    });
                }
            }
        });
        m_started.start();
    }
    RconTarget target(RconFraming framing = RconFraming::Mohaa) const
    {
        return { u"127.0.0.1"_s, m_socket.localPort(), framing };
    }

    Answer answer;
    QList<QByteArray> requests;
    QList<qint64> arrivals;

private:
    QUdpSocket m_socket;
    QElapsedTimer m_started;
};

// What a user learns from a reply, to compare whole: its outcome, the server's text, the message.
using Seen = std::tuple<RconReply::Outcome, QString, QString>;
Seen seen(const RconReply& reply)
{
    return { reply.outcome, reply.text, reply.message };
}

// Every answer the client gives, in the order given.
struct Answers {
    explicit Answers(RconClient& client)
    {
        QObject::connect(
            &client, &RconClient::answered, [this](const RconReply& reply) { list.append(reply); });
    }
    bool waitFor(qsizetype count)
    {
        return waitUntil([&] { return list.size() >= count; });
    }
    QList<RconReply> list;
};

TEST(RconClient, RequestsCarryTheFramingOfTheirTarget)
{
    const QPair<QByteArray, QByteArray> cases[] = {
        { rconRequest(RconFraming::Mohaa, u"s3cr\u00e9t"_s, u"say hi"_s),
            kFour + "\x02rcon s3cr\xe9t say hi" },
        { rconRequest(RconFraming::Quake3, u"pw"_s, u"status"_s), kFour + "rcon pw status" },
        { queryRequest(RconFraming::Mohaa, u"getstatus"_s), kFour + "\x02getstatus" },
        { queryRequest(RconFraming::Quake3, u"getstatus"_s), kFour + "getstatus" },
    };
    for (const auto& [made, expected] : cases)
        EXPECT_EQ(made, expected);

    FakeServer server;
    server.answer = { { 0, kFour + "statusResponse\n\\mapname\\m\n" } };
    RconClient client(server.target(RconFraming::Quake3), u"pw"_s);
    const RconReply reply = queryAndWait(client);
    EXPECT_EQ(server.requests, QList<QByteArray> { kFour + "getstatus" });
    EXPECT_EQ(seen(reply), (Seen { RconReply::Outcome::Answered, u"statusResponse\n\\mapname\\m\n"_s, {} }));
}

TEST(RconClient, JoinsDatagramsInOrderUntilTheLineStaysQuiet)
{
    FakeServer server;
    // A direction byte of 0x01, none, or 0x02 (as a server's own socket number may give it); the
    // last part comes after the quiet gap: it no longer belongs to the answer.
    server.answer = { { 0, printed("first ") }, { 30, kFour + "print\nsecond " },
        { 60, kFour + '\x02' + "print\nthird\n" }, { 700, printed("late\n") } };
    RconClient client(server.target(), u"pw"_s, { .quietGapMs = 120, .timeoutMs = 1000 });
    const RconReply reply = commandAndWait(client, u"cvarlist"_s);
    EXPECT_EQ(reply.request, u"cvarlist"_s);
    EXPECT_EQ(seen(reply), (Seen { RconReply::Outcome::Answered, u"first second third\n"_s, {} }));
}

TEST(RconClient, SilenceEndsInTheNoAnswerMessage)
{
    EXPECT_EQ(noAnswerMessage({ u"192.0.2.1"_s, 12203 }, 2000),
        u"No answer from 192.0.2.1:12203 within 2 s: is the server running, and is the port right?"_s);
    FakeServer server;
    RconClient client(server.target(), u"pw"_s, { .quietGapMs = 50, .timeoutMs = 300 });
    const RconReply reply = commandAndWait(client, u"status"_s);
    EXPECT_EQ(
        seen(reply), (Seen { RconReply::Outcome::NoAnswer, {}, noAnswerMessage(server.target(), 300) }));
    EXPECT_EQ(server.requests.size(), 1);
}

TEST(RconClient, RefusedPasswordsGetMessagesOfTheirOwnAtOnce)
{
    const QPair<QByteArray, QString> cases[] = {
        { "Bad rconpassword.\n", u"The server refused the rcon password (Bad rconpassword.)"_s },
        { "No rconpassword set on the server.\n", u"The server has no rcon password"_s },
    };
    for (const auto& [said, opening] : cases) {
        FakeServer server;
        server.answer = { { 0, printed(said) } };
        RconClient client(server.target(), u"wrong"_s, { .quietGapMs = 5000, .timeoutMs = 6000 });
        QElapsedTimer took;
        took.start();
        const RconReply reply = commandAndWait(client, u"status"_s);
        EXPECT_LT(took.elapsed(), 2000) << "a refusal is complete in one datagram";
        EXPECT_EQ(reply.outcome, RconReply::Outcome::Refused);
        EXPECT_TRUE(reply.message.startsWith(opening)) << reply.message.toStdString();
        EXPECT_FALSE(reply.message.contains(u"wrong"_s));
    }
}

TEST(RconClient, ALineBreakIsRefusedBeforeAnythingIsSentAndTheQueueGoesOn)
{
    FakeServer server;
    server.answer = { { 0, printed("ok\n") } };
    RconClient client(server.target(), u"pw"_s, { .quietGapMs = 30 });
    Answers answers(client);
    const quint64 broken = client.command(u"say one\nquit"_s);
    const quint64 fine = client.command(u"say two"_s);
    ASSERT_TRUE(answers.waitFor(2));
    EXPECT_EQ(QList<quint64>({ answers.list[0].id, answers.list[1].id }), QList<quint64>({ broken, fine }));
    EXPECT_EQ(seen(answers.list[0]), (Seen { RconReply::Outcome::NotSent, {}, commandRefusal(u"x\ry"_s) }));
    EXPECT_EQ(seen(answers.list[1]), (Seen { RconReply::Outcome::Answered, u"ok\n"_s, {} }));
    EXPECT_EQ(server.requests, QList<QByteArray> { kFour + "\x02rcon pw say two" });
}

// Virtual time: the earliest each request may go, for a burst of 10 and then 1 per second.
TEST(RconRateLimit, ABurstThenOnePerPeriodWithEveryRequestBookedNoneDropped)
{
    RconRateLimit limit(10, 1000);
    QList<qint64> at;
    for (int i = 0; i < 12; ++i)
        at.append(limit.reserve(5000));
    EXPECT_EQ(at, QList<qint64>(10, 5000) << 6000 << 7000);
    // Half a period later the refill has covered half a request: the next waits for the rest.
    EXPECT_EQ(limit.reserve(5500), 8000);
    // After a long quiet the whole burst is back, and no more than it.
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(limit.reserve(60000), 60000);
    EXPECT_EQ(limit.reserve(60000), 61000);
}

TEST(RconClient, QueuedCommandsWaitForTheRateLimitAndAllGetAnswers)
{
    FakeServer server;
    server.answer = { { 0, printed("ok\n") } };
    RconClient client(
        server.target(), u"pw"_s, { .quietGapMs = 10, .timeoutMs = 1000, .burst = 2, .periodMs = 200 });
    Answers answers(client);
    for (int i = 0; i < 4; ++i)
        client.command(u"status"_s);
    ASSERT_TRUE(answers.waitFor(4));
    EXPECT_TRUE(std::ranges::all_of(answers.list, &RconReply::ok));
    ASSERT_EQ(server.arrivals.size(), 4);
    EXPECT_GE(server.arrivals[2] - server.arrivals[0], 200);
    EXPECT_GE(server.arrivals[3] - server.arrivals[0], 400);
}

} // namespace
