#include "server/ControlButtons.h"
#include "ServerTestKit.h"
#include "profile/ProfileStore.h"
#include "profile/ServerProfile.h"
#include "server/DatagramLink.h"
#include "server/ServerMessenger.h"
#include "support/errors/FortwrightError.h"
#include "testkit/TestContext.h"
#include "testkit/TestData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

struct ButtonsFixture : ::testing::Test {
    void SetUp() override
    {
        test::ensureCoreApplication();
        t.services.hostName = u"127.0.0.1"_s;
        profile.setValue(G::txtAdministration, 1, u" Test "_s);
        profile.rotation.rows = { { "mohdm1", "ffa team round", "" } };
        test::writeBytes(t.context.gamePath + u"/MOHAA_server.exe"_s, "#!/bin/sh\n");
    }
    void TearDown() override { QDir::setCurrent(QDir::tempPath()); }

    test::TestContext t;
    ServerProfile profile;
    ServerMessenger messenger { profile, t.context };
    ControlButtons buttons { profile, t.context, messenger };
};

// The messages' link when the server's address is taken.
struct TakenAddressLink : DatagramLink {
    bool isOpen() const override { return false; }
    void close() override { }
    void open(const QString&, qint32) override
    {
        throw FortwrightError(10048, u"Winsock"_s, u"Address in use"_s);
    }
    void send(const QByteArray&) override { }
};

} // namespace

TEST_F(ButtonsFixture, RunChecksInOrderAndChangesNothingWhenOneFails)
{
    profile.setValue(G::txtSeverMessageTime, u"5"_s);
    profile.setValue(G::txtAdministration, 13, u"   "_s);
    profile.setValue(G::txtAdministration, 1, QString());
    EXPECT_FALSE(buttons.run());
    EXPECT_EQ(t.prompter.texts().last(),
        u"You have server messaging enabled, however, an Rcon Password is required        \r\n"
        "Please input an Rcon Password, any password will do.        "_s)
        << "the password comes before the name";

    profile.setValue(G::txtSeverMessageTime, u"0"_s);
    EXPECT_FALSE(buttons.run());
    EXPECT_EQ(t.prompter.texts().last(),
        u"Fortwright requires a Config name, please input a valid Config name.        \r\n"
        "The Config name is used to name your server configuration.        "_s);

    profile.setValue(G::txtAdministration, 1, u"a:b"_s);
    EXPECT_FALSE(buttons.run());
    EXPECT_TRUE(t.prompter.texts().last().startsWith(u"Invalid config name"_s));

    profile.setValue(G::txtAdministration, 1, u"Test"_s);
    profile.rotation.rows.clear();
    EXPECT_FALSE(buttons.run());
    EXPECT_EQ(t.prompter.boxes().last(),
        warningBox(u"No Maps have been selected. Please select at least one map to cycle.        "_s));
    EXPECT_TRUE(t.services.started.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(t.mainFile(u"test.cfg"_s)));
}

TEST_F(ButtonsFixture, RunWritesTheConfigurationAndStartsTheServerFromTheGameFolder)
{
    bool minimised = false;
    ASSERT_TRUE(buttons.run([&minimised] { minimised = true; }));
    EXPECT_EQ(QDir::currentPath(), QFileInfo(t.context.gamePath).canonicalFilePath())
        << "the program itself moves into the game folder, as the server does";
    EXPECT_TRUE(QFileInfo::exists(t.mainFile(u"test.cfg"_s))) << "the name trimmed, .cfg added, lowered";
    const QString arguments = u"+set dedicated 2 +set net_port 12203 +set sv_pure 1 +set vm_game 0 "
                              "+set com_hunkmegs 56 +set com_zonemegs 16 +set g_gametype 1 +exec Test.cfg"_s;
    EXPECT_EQ(t.services.started,
        QList<test::StartedProcess>({ { QDir::toNativeSeparators(t.context.gamePath + u"/MOHAA_server.exe"_s),
            arguments.split(u' '), t.context.gamePath } }));
    EXPECT_TRUE(minimised);
    EXPECT_FALSE(messenger.isArmed()) << "a period of 0 arms nothing";

    // An empty rotation passes with a saved map cycle.
    profile.rotation.rows.clear();
    profile.rotation.savedCyclePath = t.mainFile(u"cycle.cfg"_s);
    EXPECT_TRUE(buttons.run());
    EXPECT_EQ(t.services.started.size(), 2);
}

TEST_F(ButtonsFixture, RunStartsANativeServerFoundInTheGameFolderOnTheFileItWrote)
{
    const QString native = t.context.gamePath + u"/omohaaded"_s;
    test::writeBytes(native, "#!/bin/sh\n");
    QFile::setPermissions(native, QFile::permissions(native) | QFile::ExeOwner);
    ASSERT_TRUE(buttons.run());
    ASSERT_EQ(t.services.started.size(), 1);
    EXPECT_EQ(t.services.started[0].program, native);
    EXPECT_EQ(t.services.started[0].arguments.last(), u"test.cfg"_s);
    EXPECT_TRUE(QFileInfo::exists(t.mainFile(t.services.started[0].arguments.last())));

    // A Windows server chosen for Run goes through wine, though a native one is there.
    const QString windows = t.context.gamePath + u"/MOHAA_server.exe"_s;
    test::writeBytes(windows, "MZ");
    t.services.executablesOnPath = { u"wine"_s };
    buttons.setServerProgram(windows);
    ASSERT_TRUE(buttons.run());
    EXPECT_EQ(t.services.started.value(1).arguments.value(0), QDir::toNativeSeparators(windows));
}

TEST_F(ButtonsFixture, RunArmsMessagingAndReportsAFailedStart)
{
    test::DatagramCapture capture; // where the status command goes
    profile.setValue(G::txtAdministration, 16, QString::number(capture.port()));
    profile.setValue(G::txtAdministration, 13, u" pw "_s);
    profile.setValue(G::txtSeverMessageTime, u"1"_s);
    ASSERT_TRUE(buttons.run());
    EXPECT_TRUE(messenger.isArmed());

    t.services.failStart = true;
    EXPECT_FALSE(buttons.run());
    EXPECT_EQ(t.prompter.boxes().last(), criticalBox(u"Unable to launch Server        "_s));
}

TEST_F(ButtonsFixture, LaunchFailuresUseTheSocketTableOrTheErrorReport)
{
    profile.setValue(G::txtAdministration, 13, u"pw"_s);
    profile.setValue(G::txtSeverMessageTime, u"1"_s);
    ServerMessenger taken(profile, t.context, std::make_unique<TakenAddressLink>());
    EXPECT_FALSE(ControlButtons(profile, t.context, taken).run());
    EXPECT_EQ(t.prompter.boxes(),
        Boxes({ warningBox(u"Could not connect to server, address in use        "_s),
            criticalBox(u"Unable to launch Server        "_s) }));
    EXPECT_FALSE(QFile::exists(t.errors.defaultLogPath())) << "explained errors are not logged";

    t.prompter.clear();
    profile.setValue(G::txtSeverMessageTime, u"0"_s);
    QFile::remove(t.context.gamePath + u"/MOHAA_server.exe"_s);
    EXPECT_FALSE(buttons.run());
    ASSERT_EQ(t.prompter.boxes().size(), 2);
    EXPECT_TRUE(t.prompter.boxes()[0].text.contains("Fortwright::Code.CreateMOHAAConfiguration(Function)"));
    EXPECT_EQ(t.prompter.boxes()[1].text, u"Unable to launch Server        "_s);
    EXPECT_TRUE(QFileInfo::exists(t.mainFile(u"test.cfg"_s))) << "written before the launch";
}

TEST_F(ButtonsFixture, AWindowsProgramNeedsWine)
{
    test::writeBytes(t.context.gamePath + u"/MOHAA_server.exe"_s, "MZ\x90\x00");
    EXPECT_FALSE(buttons.run());
    EXPECT_TRUE(t.services.started.isEmpty());
    EXPECT_TRUE(t.prompter.texts().join(QLatin1Char('\n')).contains(u"wine"_s));

    t.prompter.clear();
    t.services.executablesOnPath = { u"wine"_s };
    EXPECT_TRUE(buttons.run());
    ASSERT_EQ(t.services.started.size(), 1);
    EXPECT_EQ(t.services.started[0].program, u"/usr/bin/wine"_s);
    EXPECT_TRUE(t.services.started[0].arguments.first().endsWith(u"MOHAA_server.exe"_s));
}

TEST_F(ButtonsFixture, DefaultAndResetAskFirst)
{
    const QString defaults = defaultProfilePath(t.context);
    t.prompter.answer(Answer::No);
    buttons.makeDefault();
    EXPECT_FALSE(QFileInfo::exists(defaults));
    t.prompter.answer(Answer::Yes);
    buttons.makeDefault();
    EXPECT_TRUE(QFileInfo::exists(defaults));
    EXPECT_EQ(t.prompter.texts().last(), u"Settings have been saved        "_s);

    t.prompter.answer(Answer::No);
    EXPECT_FALSE(buttons.reset());
    EXPECT_TRUE(QFileInfo::exists(defaults));
    EXPECT_EQ(t.prompter.boxes().last(),
        (MessageBox { QString::fromLatin1(test::testData(u"reset-question.txt"_s)), kAppTitle,
            MessageIcon::Exclamation, MessageButtons::YesNo, Answer::No }));

    QFile::setPermissions(defaults, QFileDevice::ReadOwner);
    t.prompter.answer(Answer::Yes);
    EXPECT_TRUE(buttons.reset());
    EXPECT_FALSE(QFileInfo::exists(defaults)) << "a read-only default profile goes too";
    EXPECT_EQ(t.prompter.texts().last(), u"Fortwright will now restart        "_s);
}
