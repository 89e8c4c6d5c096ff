#include "ServerTestKit.h"

#include "VirtualTimers.h"
#include "profile/ServerProfile.h"
#include "server/MessageSettings.h"
#include "server/ServerMessenger.h"
#include "server/UdpDatagramLink.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"

namespace {

const QByteArray kFour("\xff\xff\xff\xff", 4);

QByteArray say(const char* password, const QByteArray& line)
{
    return kFour + '\x02' + "rcon " + password + " say " + line;
}

using Sent = QList<QPair<qint64, QByteArray>>;

// Records when each datagram goes out on the virtual clock; one chosen send fails.
class TimedLink : public DatagramLink {
public:
    explicit TimedLink(const VirtualTimers& clock)
        : clock(clock)
    {
    }
    bool isOpen() const override { return open_; }
    void close() override { open_ = false; }
    void open(const QString&, qint32) override { open_ = true; }
    void send(const QByteArray& datagram) override
    {
        if (++sends == failAt)
            throw FortwrightError(10050, kExecutableName, u"injected"_s);
        sent.append({ clock.now(), datagram.mid(datagram.lastIndexOf(' ') + 1) });
    }
    const VirtualTimers& clock;
    bool open_ = false;
    int sends = 0;
    int failAt = -1;
    Sent sent;
};

// A messenger aimed at a capture socket. Unless told otherwise its own timer ticks once an hour,
// so the tests tick it by hand, and pauses last a hundredth of their nominal time.
struct Rig {
    explicit Rig(std::unique_ptr<DatagramLink> link = nullptr, MessageTiming timing = { 3600000, 0.01 })
    {
        tc.services.hostName = u"127.0.0.1"_s;
        profile.setValue(G::txtAdministration, 16, QString::number(capture.port()));
        profile.setValue(G::txtAdministration, 13, u"pw"_s);
        profile.setValue(G::txtSeverMessageTime, u"1"_s);
        profile.setValue(G::txtMsgDelay, u"5"_s);
        messenger
            = std::make_unique<ServerMessenger>(profile, tc.context, std::move(link), std::move(timing));
    }
    bool batchDone()
    {
        return waitUntil([&] { return !messenger->batchRunning(); });
    }

    DatagramCapture capture;
    TestContext tc;
    ServerProfile profile;
    std::unique_ptr<ServerMessenger> messenger;
};

// A rig on the virtual clock, with the program's tick of 65535 ms and whole pauses; the rig owns
// the link.
struct ClockedRig {
    VirtualTimers clock;
    TimedLink& link = *new TimedLink(clock);
    Rig rig { std::unique_ptr<DatagramLink>(&link), MessageTiming { 65535, 1.0, clock.factory() } };
};

} // namespace

TEST(ServerMessages, PauseReading)
{
    ServerProfile p;
    const auto pause = [&](const char* text) {
        p.setValue(G::txtMsgDelay, QString::fromLatin1(text));
        return messagePauseMs(p);
    };
    EXPECT_EQ(pause("0.0015"), 2) << "rounded half to even";
    EXPECT_EQ(pause("0.0004"), 2000) << "rounds to 0";
    EXPECT_EQ(pause("-3"), 2000) << "a negative pause must not become an endless wait";
    EXPECT_EQ(raisedNumber(kExecutableName, [&] { pause("99999999"); }), 6);
}

TEST(ServerMessages, DatagramBytesAndBatchOrder)
{
    Rig rig;
    rig.profile.setValue(G::txtAdministration, 13, u" se cret "_s);
    rig.profile.message = u"a\r\n\r\nCaf\u00e9 5\u20ac\nx"_s;
    rig.messenger->StartServerMessages();
    ASSERT_TRUE(rig.capture.waitFor(1));
    EXPECT_EQ(rig.capture.received().at(0), kFour + "rcon  se cret  status") << "status keeps the blanks";

    rig.messenger->tmrServerMessage_Timer();
    ASSERT_TRUE(rig.capture.waitFor(3));
    ASSERT_TRUE(rig.batchDone());
    EXPECT_EQ(rig.capture.received().mid(1),
        QList<QByteArray>({ say("se cret", "a"), say("se cret", "Caf\xe9 5\x80\nx") }))
        << "empty lines are skipped, only CR LF splits, text is Windows-1252";

    // Re-arming takes the new lines: an empty text sends nothing but the status.
    rig.profile.message.clear();
    rig.messenger->StartServerMessages();
    rig.messenger->tmrServerMessage_Timer();
    ASSERT_TRUE(rig.capture.waitFor(4));
    spinEvents(50);
    EXPECT_EQ(rig.capture.received().mid(3), QList<QByteArray>({ kFour + "rcon  se cret  status" }));
}

TEST(ServerMessages, ANameGoesToItsFirstIPv4AddressAndADottedAddressAsItIs)
{
    const QHostAddress v6(u"::1"_s), v4(u"127.0.0.1"_s);
    EXPECT_EQ(serverAddressAmong({ v6, v4, QHostAddress(u"10.0.0.1"_s) }, "h"), v4);
    EXPECT_EQ(serverAddressAmong({ v6 }, "h"), v6);
    const auto none = test::raisedBy([] { serverAddressAmong({}, u"nohost"_s); });
    ASSERT_TRUE(none);
    EXPECT_EQ(none->number(), 11001);
    EXPECT_EQ(none->description(), u"Host not found: nohost"_s);
    EXPECT_EQ(resolveServerHost(u"::1"_s), v6);
}

TEST(ServerMessages, PeriodDecidesWhichTickSends)
{
    ClockedRig c;
    c.rig.profile.message = u"x"_s;
    c.rig.profile.setValue(G::txtSeverMessageTime, u"2.5"_s);
    c.rig.messenger->StartServerMessages();
    c.clock.advanceTo(200000);
    c.rig.profile.setValue(G::txtSeverMessageTime, u"0"_s);
    c.clock.advanceTo(600000);
    EXPECT_EQ(
        c.link.sent, Sent({ { 0, "status" }, { 3 * 65535, "x" }, { 3 * 65535 + 5000 + 5 * 65535, "x" } }))
        << "the third tick for 2.5; a period changed to 0 after arming means every fifth tick";
}

TEST(ServerMessages, ErrorEndsTheBatchAndTheNextTickStartsOver)
{
    Rig rig;
    rig.profile.message = u"a\r\n"_s + QString(70000, QLatin1Char('x')) + u"\r\nc"_s;
    rig.messenger->StartServerMessages();
    for (int batch = 1; batch <= 2; ++batch) {
        rig.messenger->tmrServerMessage_Timer();
        ASSERT_TRUE(rig.batchDone());
        EXPECT_EQ(rig.messenger->messageTicks(), batch) << "a broken batch does not reset the ticks";
    }
    spinEvents(30);
    EXPECT_EQ(rig.capture.received().mid(1), QList<QByteArray>({ say("pw", "a"), say("pw", "a") }))
        << "c is never sent; each tick starts again from the first line";
    const QString tooLarge
        = u"Message sent to to large, please edit your message to a lesser length        "_s;
    ASSERT_EQ(rig.tc.prompter.texts(), QStringList({ tooLarge, tooLarge }));
    EXPECT_EQ(rig.tc.prompter.boxes().first().icon, MessageIcon::Exclamation);
}

TEST(ServerMessages, ReArmingMidBatchDropsTheLinesStillWaiting)
{
    ClockedRig c;
    c.rig.profile.message = u"a\r\nb"_s;
    c.rig.messenger->StartServerMessages();
    c.clock.advanceTo(66535); // a is out, b waits for its pause
    c.rig.messenger->StartServerMessages();
    c.clock.advanceTo(135000);
    EXPECT_EQ(c.link.sent, Sent({ { 0, "status" }, { 65535, "a" }, { 66535, "status" }, { 132070, "a" } }));
}

TEST(ServerMessages, ArmingFailuresAreThrown)
{
    Rig rig;
    rig.profile.setValue(G::txtAdministration, 16, u"port"_s);
    EXPECT_EQ(raisedNumber(kExecutableName, [&] { rig.messenger->StartServerMessages(); }), 13);
    rig.profile.setValue(G::txtAdministration, 16, u"70000"_s);
    EXPECT_EQ(raisedNumber(kExecutableName, [&] { rig.messenger->StartServerMessages(); }), 10014);
    EXPECT_FALSE(rig.messenger->isArmed());
    EXPECT_TRUE(rig.tc.prompter.boxes().isEmpty()) << "the caller reports arming failures";
}

TEST(ServerMessages, TheNextBatchComesAWholeTickAfterThePreviousOneEnded)
{
    ClockedRig c;
    auto& [clock, link, rig] = c;
    rig.profile.message = u"a\r\nb"_s;
    rig.messenger->StartServerMessages();
    clock.advanceTo(290000);
    // Each batch takes 10 s (a pause after either line); the tick starts again when it ends.
    EXPECT_EQ(link.sent,
        Sent({ { 0, "status" }, { 65535, "a" }, { 70535, "b" }, { 141070, "a" }, { 146070, "b" },
            { 216605, "a" }, { 221605, "b" } }));

    // A batch that breaks at b restarts the tick at the failure, not at the tick after it. A
    // number outside the sockets table goes to the error report with the tick handler's location.
    link.sent.clear();
    rig.messenger->StartServerMessages();
    link.failAt = link.sends + 2;
    const qint64 armed = clock.now();
    clock.advanceTo(armed + 140000);
    EXPECT_EQ(link.sent, Sent({ { armed, "status" }, { armed + 65535, "a" }, { armed + 136070, "a" } }))
        << "after the failure at " << armed + 70535;
    ASSERT_EQ(rig.tc.prompter.boxes().size(), 1);
    const QString report = rig.tc.prompter.boxes().first().text;
    EXPECT_TRUE(report.contains(u"Fortwright::frmMain.tmrServerMessage_Timer(Sub)"_s))
        << report.toStdString();
    EXPECT_TRUE(report.contains(u"10050"_s));
}
