#include "profile/ProfileFile.h"
#include "profile/ServerProfile.h"
#include "support/text/AnsiCodec.h"
#include "testkit/TestContext.h"
#include "testkit/TestData.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct ProfileFileTest : ::testing::Test {
    test::TestContext t;
    QString path = t.dataFile(u"Default.ini"_s);

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
    EXPECT_EQ(readBytes(path), test::testData(u"Default.ini.expected"_s));
}

TEST_F(ProfileFileTest, CommaPercentBlankAndCodePageEncodings)
{
    ServerProfile p;
    p.setValue(G::txtAdministration, 2, u"Dog, Cat, Bird"_s);
    p.setValue(G::txtAdministration, 3, u"100% fun"_s);
    p.setValue(G::txtAdministration, 5, u"Caf\u00e9 \u263a"_s);
    p.setValue(G::txtMasterServers, 1, u"a,b"_s);
    ASSERT_TRUE(ProfileFile::write(path, p));
    EXPECT_TRUE(saved().contains(u"\r\nAdminSettings2=Dog% Cat% Bird\r\n"_s));
    EXPECT_TRUE(saved().contains(u"\r\nMaster1=a,b\r\n"_s)) << "master texts are saved unchanged";
    EXPECT_TRUE(readBytes(path).startsWith("\xEF\xBB\xBF[AdminSettings]\r\n"))
        << "a text the code page lacks makes the profile UTF-8 behind a byte-order mark";
    EXPECT_TRUE(readBytes(path).contains("\r\nAdminSettings5=Caf\xC3\xA9 \xE2\x98\xBA\r\n"));
    const ServerProfile q = reloaded();
    // Kept as typed, but a typed % comes back as ,.
    EXPECT_EQ(QStringList({ q.text(G::txtAdministration, 5), q.text(G::txtAdministration, 2),
                  q.text(G::txtAdministration, 3), q.text(G::txtMasterServers, 1) }),
        QStringList({ u"Caf\u00e9 \u263a"_s, u"Dog, Cat, Bird"_s, u"100, fun"_s, u"a,b"_s }));
    p.setValue(G::txtAdministration, 5, u"Caf\u00e9"_s);
    ASSERT_TRUE(ProfileFile::write(path, p));
    EXPECT_TRUE(readBytes(path).startsWith("[AdminSettings]\r\n"))
        << "Windows-1252 while it holds every text";
    EXPECT_TRUE(readBytes(path).contains("\r\nAdminSettings5=Caf\xe9\r\n"));

    writeBytes(path,
        crlfLines({ "[Master]", "Master0=x%y", "[AdminSettings]", "AdminSettings0=\" \"", "[Logname]",
            "Logname=a%b" }));
    const ServerProfile r = reloaded();
    // A stored lone blank reads as empty; texts other than the master servers are not decoded.
    EXPECT_EQ(QStringList({ r.text(G::txtMasterServers, 0), r.text(G::txtAdministration, 0),
                  r.text(G::txtLogFileName) }),
        QStringList({ u"x,y"_s, QString(), u"a%b"_s }));
}

TEST_F(ProfileFileTest, TheDmFlagsSumShowsTheBoxesJustRead)
{
    // The three stored check values, and the sum they show.
    const std::pair<const char*, const char*> cases[] = {
        { "DMFlags0=1\r\nDMFlags1=0\r\nDMFlags2=1\r\n", "40" },
        { "DMFlags0=0\r\nDMFlags1=1\r\nDMFlags2=0\r\n", "16" },
        { "DMFlags0=0\r\nDMFlags1=0\r\nDMFlags2=0\r\n", "0" },
    };
    for (const auto& [flags, sum] : cases) {
        SCOPED_TRACE(flags);
        writeBytes(path, QByteArray("[DMFlags]\r\n") + flags);
        ServerProfile p;
        p.setValue(G::txtDMFlags, u"56"_s); // what the profile shown before left
        ASSERT_TRUE(ProfileFile::read(path, p).fileRead);
        EXPECT_EQ(p.text(G::txtDMFlags), QLatin1String(sum));
    }
}

TEST_F(ProfileFileTest, ANumberFieldTakesWhatItCouldBeTypedAndOtherFieldsRefuseTheRest)
{
    ServerProfile p;
    p.setValue(G::txtGameSettings, 3, u"abc"_s);
    ASSERT_TRUE(ProfileFile::write(path, p));
    EXPECT_FALSE(saved().contains(u"GameSettings3="_s)) << "letters leave the key out";
    ServerProfile q;
    q.setValue(G::txtGameSettings, 3, u"7"_s);
    ProfileFile::read(path, q);
    EXPECT_EQ(q.text(G::txtGameSettings, 3), u"-1"_s)
        << "a number field shows the missing key's -1, as it would show it typed";

    writeBytes(path, test::testData(u"profile-out-of-range.ini"_s));
    ServerProfile r;
    r.setValue(G::txtMovement, 0, u"320"_s);
    ASSERT_TRUE(ProfileFile::read(path, r).fileRead);
    // Past the arrows' maximum 64, letters as 0 within range, the leading digits, digits only for the
    // port, below the arrows' minimum 5; a missing section reads as -1 too, a missing text key as empty.
    EXPECT_EQ(QStringList({ r.text(G::txtGameSettings, 0), r.text(G::GameLimit, 0),
                  r.text(G::txtGameSettings, 1), r.text(G::txtGameSettings, 4), r.text(G::txtGameSettings, 5),
                  r.text(G::txtAdministration, 16), r.text(G::txtAdministration, 13), r.text(G::txtMsgDelay),
                  r.text(G::txtMovement, 0), r.text(G::txtLogFileName) }),
        QStringList({ "65", "-5", "0", "12", "99999", "12203", "pw", "0", "-1", "" }));
    EXPECT_EQ(QList<bool>({ r.isOn(G::chkSOF2Options, 0), r.isOn(G::chkSOF2Options, 1),
                  r.isOn(G::chkSOF2Options, 2) }),
        QList<bool>({ false, false, true }))
        << "a check box takes 0 or 1 only";
    EXPECT_EQ(r.selected(G::optGameType), 0) << "no member has index 7";
    EXPECT_EQ(r.selected(G::optLogging), 2) << "the walk goes on after refused keys";
}

TEST_F(ProfileFileTest, ASaveReplacesTheOldFileWholeOrNotAtAll)
{
    writeBytes(
        path, crlfLines({ "[Extra]", "kept=1", "[GameSettings]", "GameSettings3=9", "GameSettings99=1" }));
    ServerProfile p;
    p.setValue(G::txtGameSettings, 3, u"x"_s);
    ASSERT_TRUE(ProfileFile::write(path, p));
    EXPECT_TRUE(saved().startsWith(u"[AdminSettings]"_s));
    EXPECT_FALSE(saved().contains(u"Extra"_s));
    EXPECT_FALSE(saved().contains(u"GameSettings3="_s));
    EXPECT_FALSE(saved().contains(u"GameSettings99"_s));
    EXPECT_EQ(QDir(t.context.dataDir).entryList(QDir::Files | QDir::Hidden), QStringList { "Default.ini" })
        << "no building file is left behind";

    QString error;
    EXPECT_FALSE(ProfileFile::write(t.dataFile(u"missing/Default.ini"_s), p, &error));
    EXPECT_FALSE(error.isEmpty());
    // A target that cannot be replaced: the building file goes, the target stays.
    const QString blocked = t.dataFile(u"blocked.ini"_s);
    QDir().mkpath(blocked + u"/inside"_s);
    EXPECT_FALSE(ProfileFile::write(blocked, p, &error));
    EXPECT_TRUE(QFileInfo(blocked + u"/inside"_s).isDir());
    EXPECT_EQ(QDir(t.context.dataDir).entryList(QDir::Files | QDir::Hidden), QStringList { "Default.ini" });
}

TEST_F(ProfileFileTest, ASavedCycleIsKeptOnlyWhileItsFileExists)
{
    ServerProfile p;
    p.rotation.savedCyclePath = t.mainFile(u"gone.cfg"_s);
    ASSERT_TRUE(ProfileFile::write(path, p));
    EXPECT_FALSE(ProfileFile::read(path, p).resetCycleAvailable);
    EXPECT_EQ(p.rotation.savedCyclePath, QString());

    p.rotation.savedCyclePath = u"/kept.cfg"_s;
    EXPECT_FALSE(ProfileFile::read(t.dataFile(u"none.ini"_s), p).fileRead);
    EXPECT_EQ(p.rotation.savedCyclePath, u"/kept.cfg"_s) << "no file, no change";
}
