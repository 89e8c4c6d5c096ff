#include "profile/ProfileFile.h"
#include "profile/ServerProfile.h"
#include "support/text/AnsiCodec.h"
#include "testkit/TestContext.h"
#include "testkit/TestData.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace fw;
using test::crlfLines;
using test::readBytes;
using test::writeBytes;
using G = SettingGroup;

namespace {

struct ProfileFileTest : ::testing::Test {
    test::TestContext t;
    QString path = t.dataFile(QStringLiteral("Default.ini"));

    QString saved() const { return fromAnsi(readBytes(path)); }
    ServerProfile reloaded() const
    {
        ServerProfile p;
        EXPECT_TRUE(ProfileFile::read(path, p).fileRead);
        return p;
    }
};

} // namespace

TEST_F(ProfileFileTest, AFreshProfileIsSavedInTheDocumentedLayout)
{
    ASSERT_TRUE(ProfileFile::write(path, ServerProfile()));
    EXPECT_EQ(readBytes(path), test::testData(QStringLiteral("Default.ini.expected")));
}

TEST_F(ProfileFileTest, CommaPercentBlankAndCodePageEncodings)
{
    ServerProfile p;
    p.setValue(G::txtAdministration, 2, QStringLiteral("Dog, Cat, Bird"));
    p.setValue(G::txtAdministration, 3, QStringLiteral("100% fun"));
    p.setValue(G::txtAdministration, 5, QStringLiteral("Caf\u00e9 \u263a"));
    p.setValue(G::txtMasterServers, 1, QStringLiteral("a,b"));
    ASSERT_TRUE(ProfileFile::write(path, p));
    EXPECT_TRUE(saved().contains(QStringLiteral("\r\nAdminSettings2=Dog% Cat% Bird\r\n")));
    EXPECT_TRUE(saved().contains(QStringLiteral("\r\nMaster1=a,b\r\n")))
        << "master texts are saved unchanged";
    EXPECT_TRUE(readBytes(path).startsWith("\xEF\xBB\xBF[AdminSettings]\r\n"))
        << "a text the code page lacks makes the profile UTF-8 behind a byte-order mark";
    EXPECT_TRUE(readBytes(path).contains("\r\nAdminSettings5=Caf\xC3\xA9 \xE2\x98\xBA\r\n"));
    const ServerProfile q = reloaded();
    EXPECT_EQ(q.text(G::txtAdministration, 5), QStringLiteral("Caf\u00e9 \u263a")) << "kept as typed";
    EXPECT_EQ(q.text(G::txtAdministration, 2), QStringLiteral("Dog, Cat, Bird"));
    EXPECT_EQ(q.text(G::txtAdministration, 3), QStringLiteral("100, fun")) << "a typed % comes back as ,";
    EXPECT_EQ(q.text(G::txtMasterServers, 1), QStringLiteral("a,b"));
    p.setValue(G::txtAdministration, 5, QStringLiteral("Caf\u00e9"));
    ASSERT_TRUE(ProfileFile::write(path, p));
    EXPECT_TRUE(readBytes(path).startsWith("[AdminSettings]\r\n"))
        << "Windows-1252 while it holds every text";
    EXPECT_TRUE(readBytes(path).contains("\r\nAdminSettings5=Caf\xe9\r\n"));

    writeBytes(path,
        crlfLines({ "[Master]", "Master0=x%y", "[AdminSettings]", "AdminSettings0=\" \"", "[Logname]",
            "Logname=a%b" }));
    const ServerProfile r = reloaded();
    EXPECT_EQ(r.text(G::txtMasterServers, 0), QStringLiteral("x,y"));
    EXPECT_EQ(r.text(G::txtAdministration, 0), QString()) << "a stored lone blank reads as empty";
    EXPECT_EQ(r.text(G::txtLogFileName), QStringLiteral("a%b")) << "other texts are not decoded";
}

TEST_F(ProfileFileTest, TheDmFlagsSumShowsTheBoxesJustRead)
{
    const struct {
        const char* flags; // the three stored check values
        const char* sum;
    } cases[] = {
        { "DMFlags0=1\r\nDMFlags1=0\r\nDMFlags2=1\r\n", "40" },
        { "DMFlags0=0\r\nDMFlags1=1\r\nDMFlags2=0\r\n", "16" },
        { "DMFlags0=0\r\nDMFlags1=0\r\nDMFlags2=0\r\n", "0" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        writeBytes(path, QByteArray("[DMFlags]\r\n") + c.flags);
        ServerProfile p;
        p.setValue(G::txtDMFlags, QStringLiteral("56")); // what the profile shown before left
        ASSERT_TRUE(ProfileFile::read(path, p).fileRead);
        EXPECT_EQ(p.text(G::txtDMFlags), QLatin1String(c.sum));
    }
}

TEST_F(ProfileFileTest, ANumberFieldTakesWhatItCouldBeTypedAndOtherFieldsRefuseTheRest)
{
    ServerProfile p;
    p.setValue(G::txtGameSettings, 3, QStringLiteral("abc"));
    ASSERT_TRUE(ProfileFile::write(path, p));
    EXPECT_FALSE(saved().contains(QStringLiteral("GameSettings3="))) << "letters leave the key out";
    ServerProfile q;
    q.setValue(G::txtGameSettings, 3, QStringLiteral("7"));
    ProfileFile::read(path, q);
    EXPECT_EQ(q.text(G::txtGameSettings, 3), QStringLiteral("-1"))
        << "a number field shows the missing key's -1, as it would show it typed";

    writeBytes(path, test::testData(QStringLiteral("profile-out-of-range.ini")));
    ServerProfile r;
    r.setValue(G::txtMovement, 0, QStringLiteral("320"));
    ASSERT_TRUE(ProfileFile::read(path, r).fileRead);
    EXPECT_EQ(r.text(G::txtGameSettings, 0), QStringLiteral("65")) << "beyond the arrows' maximum 64";
    EXPECT_EQ(r.text(G::GameLimit, 0), QStringLiteral("-5"));
    EXPECT_EQ(r.text(G::txtGameSettings, 1), QStringLiteral("0")) << "letters read as 0, within range";
    EXPECT_EQ(r.text(G::txtGameSettings, 4), QStringLiteral("12")) << "the leading digits count";
    EXPECT_EQ(r.text(G::txtGameSettings, 5), QStringLiteral("99999"));
    EXPECT_EQ(r.text(G::txtAdministration, 16), QStringLiteral("12203")) << "the port takes digits only";
    EXPECT_EQ(r.text(G::txtAdministration, 13), QStringLiteral("pw"));
    EXPECT_FALSE(r.isOn(G::chkSOF2Options, 0));
    EXPECT_FALSE(r.isOn(G::chkSOF2Options, 1)) << "a check box takes 0 or 1 only";
    EXPECT_TRUE(r.isOn(G::chkSOF2Options, 2));
    EXPECT_EQ(r.selected(G::optGameType), 0) << "no member has index 7";
    EXPECT_EQ(r.selected(G::optLogging), 2) << "the walk goes on after refused keys";
    EXPECT_EQ(r.text(G::txtMsgDelay), QStringLiteral("0")) << "below the arrows' minimum 5";
    EXPECT_EQ(r.text(G::txtMovement, 0), QStringLiteral("-1")) << "a missing section reads as -1 too";
    EXPECT_EQ(r.text(G::txtLogFileName), QString()) << "a missing text key reads as the empty text";
}

TEST_F(ProfileFileTest, ASaveReplacesTheOldFileWholeOrNotAtAll)
{
    writeBytes(
        path, crlfLines({ "[Extra]", "kept=1", "[GameSettings]", "GameSettings3=9", "GameSettings99=1" }));
    ServerProfile p;
    p.setValue(G::txtGameSettings, 3, QStringLiteral("x"));
    ASSERT_TRUE(ProfileFile::write(path, p));
    EXPECT_TRUE(saved().startsWith(QStringLiteral("[AdminSettings]")));
    EXPECT_FALSE(saved().contains(QStringLiteral("Extra")));
    EXPECT_FALSE(saved().contains(QStringLiteral("GameSettings3=")));
    EXPECT_FALSE(saved().contains(QStringLiteral("GameSettings99")));
    EXPECT_EQ(QDir(t.context.dataDir).entryList(QDir::Files | QDir::Hidden), QStringList { "Default.ini" })
        << "no building file is left behind";

    QString error;
    EXPECT_FALSE(ProfileFile::write(t.dataFile(QStringLiteral("missing/Default.ini")), p, &error));
    EXPECT_FALSE(error.isEmpty());
    // A target that cannot be replaced: the building file goes, the target stays.
    const QString blocked = t.dataFile(QStringLiteral("blocked.ini"));
    QDir().mkpath(blocked + QStringLiteral("/inside"));
    EXPECT_FALSE(ProfileFile::write(blocked, p, &error));
    EXPECT_TRUE(QFileInfo(blocked + QStringLiteral("/inside")).isDir());
    EXPECT_EQ(QDir(t.context.dataDir).entryList(QDir::Files | QDir::Hidden), QStringList { "Default.ini" });
}

TEST_F(ProfileFileTest, ASavedCycleIsKeptOnlyWhileItsFileExists)
{
    ServerProfile p;
    p.rotation.savedCyclePath = t.mainFile(QStringLiteral("gone.cfg"));
    ASSERT_TRUE(ProfileFile::write(path, p));
    EXPECT_FALSE(ProfileFile::read(path, p).resetCycleAvailable);
    EXPECT_EQ(p.rotation.savedCyclePath, QString());

    p.rotation.savedCyclePath = QStringLiteral("/kept.cfg");
    EXPECT_FALSE(ProfileFile::read(t.dataFile(QStringLiteral("none.ini")), p).fileRead);
    EXPECT_EQ(p.rotation.savedCyclePath, QStringLiteral("/kept.cfg")) << "no file, no change";
}
