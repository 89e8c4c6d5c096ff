#include "profile/ProfileFile.h"
#include "profile/ProfileLayout.h"
#include "profile/ProfileTextCodec.h"
#include "profile/ServerProfile.h"
#include "support/AnsiCodec.h"
#include "testkit/TestContext.h"

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

    // The saved lines; the INI engine drops blanks around a value, so an administration text
    // stored as a single blank shows as an empty value.
    QStringList savedLines() const { return fromAnsi(readBytes(path)).split(QStringLiteral("\r\n")); }
    ServerProfile reloaded() const
    {
        ServerProfile p;
        EXPECT_TRUE(ProfileFile::read(path, p).fileRead);
        return p;
    }
};

} // namespace

TEST(ProfileLayout, SectionsAndKeysInFileOrder)
{
    QStringList sections;
    QStringList keys;
    for (const ProfileKey& k : profileKeys()) {
        if (sections.isEmpty() || sections.last() != k.section)
            sections.append(k.section);
        keys.append(k.key);
    }
    EXPECT_EQ(sections,
        QStringList({ "AdminSettings", "GameSettings", "Master", "GameLimit", "Movement", "MOHAAOptions",
            "DMFlags", "GameType", "Logging", "Logname", "LogSync", "Server", "MsgTime", "MsgDelay",
            "SavedMapcycle", "Punkbuster" }));
    EXPECT_EQ(keys.size(), 18 + 21 + 5 + 3 + 6 + 16 + 3 + 9);
    EXPECT_EQ(keys.first(), QStringLiteral("AdminSettings0"));
    EXPECT_EQ(keys[17], QStringLiteral("AdminSettings17"));
    EXPECT_EQ(keys[18], QStringLiteral("GameSettings0"));
    EXPECT_TRUE(keys.contains(QStringLiteral("MOHAAOptions15")));
    EXPECT_FALSE(keys.contains(QStringLiteral("GameType0"))) << "an option set has one key";
    EXPECT_EQ(keys.removeDuplicates(), 0);
    // Every group the catalogue says a profile keeps has its keys.
    for (const GroupInfo& info : SettingsCatalogue::groups())
        EXPECT_EQ(sections.contains(info.profileSection), info.encoding != ProfileEncoding::None)
            << info.name.toStdString();
}

TEST(ProfileTextCodec, IsCleanAndTheAdministrationEncodings)
{
    EXPECT_EQ(IsClean(QString(), QStringLiteral(","), QStringLiteral("%")), QString());
    EXPECT_EQ(IsClean(QStringLiteral("a,b,,c"), QStringLiteral(","), QStringLiteral("%")),
        QStringLiteral("a%b%%c"));
    EXPECT_EQ(IsClean(QStringLiteral("Aa"), QStringLiteral("a"), QStringLiteral("x")), QStringLiteral("Ax"))
        << "case-sensitive";
    EXPECT_EQ(encodeAdminText(QString()), QStringLiteral(" "));
    EXPECT_EQ(encodeAdminText(QStringLiteral("Smith, J")), QStringLiteral("Smith% J"));
    EXPECT_EQ(decodeStoredText(QStringLiteral(" ")), QString());
    EXPECT_EQ(decodeStoredText(QStringLiteral("50%off")), QStringLiteral("50,off"));
    EXPECT_EQ(decodeStoredText(QStringLiteral("  ")), QStringLiteral("  ")) << "only a lone blank is empty";
}

TEST_F(ProfileFileTest, AFreshProfileIsSavedInTheDocumentedLayout)
{
    ASSERT_TRUE(ProfileFile::write(path, ServerProfile()));
    const QStringList lines = savedLines();
    EXPECT_EQ(lines.last(), QString()) << "every line ends with CR LF";
    EXPECT_EQ(lines.size(), 16 + 81 + 1);
    EXPECT_EQ(lines.mid(0, 3), QStringList({ "[AdminSettings]", "AdminSettings0=", "AdminSettings1=" }));
    const QStringList inOrder = { "AdminSettings16=12203", "AdminSettings17=", "[GameSettings]",
        "GameSettings0=8", "GameSettings7=5000", "GameSettings20=200", "[Master]", "Master4=", "[GameLimit]",
        "GameLimit0=20", "[Movement]", "Movement0=320", "Movement5=1", "[MOHAAOptions]", "MOHAAOptions0=0",
        "MOHAAOptions3=1", "MOHAAOptions15=1", "[DMFlags]", "DMFlags2=0", "[GameType]", "GameType=0",
        "[Logging]", "Logging=3", "[Logname]", "Logname=MOHAALog.log", "[LogSync]", "LogSync=0", "[Server]",
        "Server=1", "[MsgTime]", "MsgTime=0", "[MsgDelay]", "MsgDelay=15", "[SavedMapcycle]",
        "SavedMapcycle=", "[Punkbuster]", "Punkbuster=0" };
    qsizetype at = 0;
    for (const QString& expected : inOrder) {
        const qsizetype found = lines.indexOf(expected, at);
        ASSERT_GE(found, at) << expected.toStdString() << " missing or out of order";
        at = found + 1;
    }
    EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("Punkbuster=0"));
}

TEST_F(ProfileFileTest, EveryKindOfFieldSurvivesASaveAndALoad)
{
    const QString cycle = t.mainFile(QStringLiteral("cycle.cfg"));
    writeBytes(cycle, "x");
    ServerProfile p;
    p.setValue(G::txtAdministration, 0, QStringLiteral("Welcome, soldier"));
    p.setValue(G::txtAdministration, 13, QStringLiteral("secret"));
    p.setValue(G::txtAdministration, 16, QString());
    p.setValue(G::txtGameSettings, 0, QStringLiteral("32"));
    p.setValue(G::txtGameSettings, 7, QStringLiteral("50000"));
    p.setValue(G::txtGameSettings, 8, QStringLiteral("2.5"));
    p.setValue(G::txtGameSettings, 9, QStringLiteral("3.5"));
    p.setValue(G::txtMasterServers, 4, QStringLiteral("master.example.net"));
    p.setValue(G::txtMasterServers, 0, QString());
    p.setValue(G::GameLimit, 1, QStringLiteral("45"));
    p.setValue(G::txtMovement, 5, QStringLiteral("3000"));
    p.setValue(G::chkSOF2Options, 0, QStringLiteral("1"));
    p.setValue(G::chkSOF2Options, 8, QStringLiteral("0"));
    p.setValue(G::chkDMFlags, 2, QStringLiteral("1"));
    p.select(G::optGameType, 3);
    p.select(G::optLogging, 0);
    p.select(G::optServerType, 2);
    p.setValue(G::txtLogFileName, QStringLiteral("my log.log"));
    p.setValue(G::chkLogSync, QStringLiteral("1"));
    p.setValue(G::txtSeverMessageTime, QStringLiteral("30"));
    p.setValue(G::txtMsgDelay, QStringLiteral("5"));
    p.setValue(G::chkPunkBuster, QStringLiteral("1"));
    p.rotation.savedCyclePath = cycle;
    ASSERT_TRUE(ProfileFile::write(path, p));
    EXPECT_TRUE(savedLines().contains(QStringLiteral("GameSettings7=50000")))
        << "a value beyond 16 bits is kept as its plain decimal";

    const ServerProfile q = reloaded();
    EXPECT_EQ(q.text(G::txtAdministration, 0), QStringLiteral("Welcome, soldier"));
    EXPECT_EQ(q.text(G::txtAdministration, 13), QStringLiteral("secret"));
    EXPECT_EQ(q.text(G::txtAdministration, 16), QString());
    EXPECT_EQ(q.text(G::txtGameSettings, 0), QStringLiteral("32"));
    EXPECT_EQ(q.text(G::txtGameSettings, 7), QStringLiteral("50000"));
    EXPECT_EQ(q.text(G::txtGameSettings, 8), QStringLiteral("2")) << "halves to even";
    EXPECT_EQ(q.text(G::txtGameSettings, 9), QStringLiteral("4")) << "halves to even";
    EXPECT_EQ(q.text(G::txtMasterServers, 4), QStringLiteral("master.example.net"));
    EXPECT_EQ(q.text(G::txtMasterServers, 0), QString());
    EXPECT_EQ(q.text(G::GameLimit, 1), QStringLiteral("45"));
    EXPECT_EQ(q.text(G::txtMovement, 5), QStringLiteral("3000"));
    EXPECT_TRUE(q.isOn(G::chkSOF2Options, 0));
    EXPECT_FALSE(q.isOn(G::chkSOF2Options, 8));
    EXPECT_TRUE(q.isOn(G::chkDMFlags, 2));
    EXPECT_EQ(q.selected(G::optGameType), 3);
    EXPECT_EQ(q.selected(G::optLogging), 0);
    EXPECT_EQ(q.selected(G::optServerType), 2);
    EXPECT_EQ(q.text(G::txtLogFileName), QStringLiteral("my log.log"));
    EXPECT_TRUE(q.isOn(G::chkLogSync));
    EXPECT_EQ(q.text(G::txtSeverMessageTime), QStringLiteral("30"));
    EXPECT_EQ(q.text(G::txtMsgDelay), QStringLiteral("5"));
    EXPECT_TRUE(q.isOn(G::chkPunkBuster));
    EXPECT_EQ(q.rotation.savedCyclePath, cycle);
}

TEST_F(ProfileFileTest, CommaPercentAndBlankEncodings)
{
    ServerProfile p;
    p.setValue(G::txtAdministration, 2, QStringLiteral("Dog, Cat, Bird"));
    p.setValue(G::txtAdministration, 3, QStringLiteral("100% fun"));
    p.setValue(G::txtMasterServers, 1, QStringLiteral("a,b"));
    ASSERT_TRUE(ProfileFile::write(path, p));
    const QStringList lines = savedLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("AdminSettings2=Dog% Cat% Bird")));
    EXPECT_TRUE(lines.contains(QStringLiteral("AdminSettings3=100% fun")));
    EXPECT_TRUE(lines.contains(QStringLiteral("AdminSettings4="))) << "an empty text keeps its key";
    EXPECT_TRUE(lines.contains(QStringLiteral("Master1=a,b"))) << "master texts are saved unchanged";

    const ServerProfile q = reloaded();
    EXPECT_EQ(q.text(G::txtAdministration, 2), QStringLiteral("Dog, Cat, Bird"));
    EXPECT_EQ(q.text(G::txtAdministration, 3), QStringLiteral("100, fun")) << "a typed % comes back as ,";
    EXPECT_EQ(q.text(G::txtAdministration, 4), QString());

    writeBytes(path, crlfLines({ "[Master]", "Master0=x%y", "Master1= ", "[Logname]", "Logname=a%b" }));
    const ServerProfile r = reloaded();
    EXPECT_EQ(r.text(G::txtMasterServers, 0), QStringLiteral("x,y"));
    EXPECT_EQ(r.text(G::txtMasterServers, 1), QString());
    EXPECT_EQ(r.text(G::txtLogFileName), QStringLiteral("a%b")) << "other texts are not decoded";
}

TEST_F(ProfileFileTest, RefusedAndMissingValuesLeaveTheirFields)
{
    ServerProfile p;
    p.setValue(G::txtGameSettings, 3, QStringLiteral("abc"));
    p.setValue(G::txtMovement, 1, QString());
    ASSERT_TRUE(ProfileFile::write(path, p));
    const QStringList lines = savedLines();
    EXPECT_FALSE(lines.join('\n').contains(QStringLiteral("GameSettings3="))) << "letters leave the key out";
    EXPECT_FALSE(lines.join('\n').contains(QStringLiteral("Movement1=")));

    ServerProfile q;
    q.setValue(G::txtGameSettings, 3, QStringLiteral("7"));
    ProfileFile::read(path, q);
    EXPECT_EQ(q.text(G::txtGameSettings, 3), QStringLiteral("7")) << "the missing key's -1 is refused";

    writeBytes(path,
        crlfLines({ "[GameSettings]", "GameSettings0=65", "GameSettings1=abc", "GameSettings2=-3",
            "GameSettings4=12abc", "GameSettings5=99999", "[MOHAAOptions]", "MOHAAOptions0=-1",
            "MOHAAOptions1=5", "MOHAAOptions2=1", "[GameType]", "GameType=7", "[Server]", "Server=-1",
            "[Logging]", "Logging=2", "[MsgDelay]", "MsgDelay=abc", "[DMFlags]", "DMFlags0=" }));
    ServerProfile r;
    ASSERT_TRUE(ProfileFile::read(path, r).fileRead);
    EXPECT_EQ(r.text(G::txtGameSettings, 0), QStringLiteral("8")) << "65 lies above the maximum 64";
    EXPECT_EQ(r.text(G::txtGameSettings, 1), QStringLiteral("0")) << "letters read as 0, within range";
    EXPECT_EQ(r.text(G::txtGameSettings, 2), QStringLiteral("0")) << "below the minimum";
    EXPECT_EQ(r.text(G::txtGameSettings, 4), QStringLiteral("12")) << "the leading digits count";
    EXPECT_EQ(r.text(G::txtGameSettings, 5), QStringLiteral("0")) << "99999 lies above the maximum 500";
    EXPECT_FALSE(r.isOn(G::chkSOF2Options, 0));
    EXPECT_FALSE(r.isOn(G::chkSOF2Options, 1)) << "a check box takes 0 or 1 only";
    EXPECT_TRUE(r.isOn(G::chkSOF2Options, 2));
    EXPECT_EQ(r.selected(G::optGameType), 0) << "no member has index 7";
    EXPECT_EQ(r.selected(G::optServerType), 1);
    EXPECT_EQ(r.selected(G::optLogging), 2) << "the walk goes on after refused keys";
    EXPECT_EQ(r.text(G::txtMsgDelay), QStringLiteral("15")) << "0 lies below the minimum 5";
    EXPECT_EQ(r.text(G::txtMovement, 0), QStringLiteral("320")) << "a missing section changes nothing";
    EXPECT_EQ(r.text(G::txtLogFileName), QString()) << "a missing text key reads as the empty text";
}

TEST_F(ProfileFileTest, ASaveReplacesTheOldFileCompletely)
{
    writeBytes(path,
        crlfLines({ "[Extra]", "kept=1", "[GameSettings]", "GameSettings3=9", "GameSettings99=1",
            "[AdminSettings]", "AdminSettings13=old" }));
    ServerProfile p;
    p.setValue(G::txtGameSettings, 3, QStringLiteral("x"));
    ASSERT_TRUE(ProfileFile::write(path, p));
    const QString saved = savedLines().join('\n');
    EXPECT_FALSE(saved.contains(QStringLiteral("Extra")));
    EXPECT_FALSE(saved.contains(QStringLiteral("GameSettings3=")));
    EXPECT_FALSE(saved.contains(QStringLiteral("GameSettings99")));
    EXPECT_FALSE(saved.contains(QStringLiteral("old")));
    EXPECT_TRUE(saved.startsWith(QStringLiteral("[AdminSettings]")));
    EXPECT_EQ(QDir(t.context.dataDir).entryList(QDir::Files | QDir::Hidden), QStringList { "Default.ini" })
        << "no building file is left behind";
}

TEST_F(ProfileFileTest, AFailedSaveKeepsWhatWasThere)
{
    QString error;
    const QString nowhere = t.dataFile(QStringLiteral("missing/Default.ini"));
    EXPECT_FALSE(ProfileFile::write(nowhere, ServerProfile(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(nowhere));

    // A target that cannot be replaced: the building file goes, the target stays.
    const QString blocked = t.dataFile(QStringLiteral("blocked.ini"));
    QDir().mkpath(blocked + QStringLiteral("/inside"));
    EXPECT_FALSE(ProfileFile::write(blocked, ServerProfile(), &error));
    EXPECT_TRUE(QFileInfo(blocked + QStringLiteral("/inside")).isDir());
    EXPECT_EQ(QDir(t.context.dataDir).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(ProfileFileTest, ProfilesOfOtherEditorsAreReadByKeyName)
{
    writeBytes(path,
        "; written by hand\n[server]\nserver = 0\n[ADMINSETTINGS]\nadminsettings13 = pass%word \n"
        "[Other]\nGameType=2\n[gametype]\ngametype=2\n[movement]\nMovement4=1200\n");
    ServerProfile p;
    ASSERT_TRUE(ProfileFile::read(path, p).fileRead);
    EXPECT_EQ(p.selected(G::optServerType), 0);
    EXPECT_EQ(p.text(G::txtAdministration, 13), QStringLiteral("pass,word"));
    EXPECT_EQ(p.selected(G::optGameType), 2);
    EXPECT_EQ(p.text(G::txtMovement, 4), QStringLiteral("1200"));
}

TEST_F(ProfileFileTest, AHandWrittenDefaultProfileIsReadAsWritten)
{
    const QString cycle = t.mainFile(QStringLiteral("mapcycle.cfg"));
    writeBytes(cycle, "set d1 \"map dm/mohdm1\"\r\n");
    QByteArray ini = crlfLines({ "[AdminSettings]", "AdminSettings0=Welcome", "AdminSettings1=myserver",
        "AdminSettings2=The Bunker% Berlin", "AdminSettings13=rcon", "AdminSettings16=12300",
        "[GameSettings]", "GameSettings0=24", "GameSettings7=8000", "GameSettings18=250", "[Master]",
        "Master0=m1.example.org", "Master4= ", "[GameLimit]", "GameLimit0=50", "GameLimit1=20",
        "GameLimit2=5", "[Movement]", "Movement0=400", "Movement3=7000", "[MOHAAOptions]", "MOHAAOptions0=1",
        "MOHAAOptions3=0", "[DMFlags]", "DMFlags0=1", "DMFlags1=0", "DMFlags2=1", "[GameType]", "GameType=1",
        "[Logging]", "Logging=1", "[Logname]", "Logname=server.log", "[LogSync]", "LogSync=1", "[Server]",
        "Server=0", "[MsgTime]", "MsgTime=10", "[MsgDelay]", "MsgDelay=20", "[SavedMapcycle]" });
    ini += toAnsi(QStringLiteral("SavedMapcycle=%1\r\n").arg(cycle));
    ini += crlfLines({ "[Punkbuster]", "Punkbuster=1" });
    writeBytes(path, ini);

    ServerProfile p;
    const ProfileReadResult result = ProfileFile::read(path, p);
    EXPECT_TRUE(result.fileRead);
    EXPECT_TRUE(result.resetCycleAvailable);
    EXPECT_EQ(p.text(G::txtAdministration, 0), QStringLiteral("Welcome"));
    EXPECT_EQ(p.text(G::txtAdministration, 1), QStringLiteral("myserver"));
    EXPECT_EQ(p.text(G::txtAdministration, 2), QStringLiteral("The Bunker, Berlin"));
    EXPECT_EQ(p.text(G::txtAdministration, 3), QString()) << "absent text keys read as empty";
    EXPECT_EQ(p.text(G::txtAdministration, 13), QStringLiteral("rcon"));
    EXPECT_EQ(p.text(G::txtAdministration, 16), QStringLiteral("12300"));
    EXPECT_EQ(p.text(G::txtGameSettings, 0), QStringLiteral("24"));
    EXPECT_EQ(p.text(G::txtGameSettings, 7), QStringLiteral("8000"));
    EXPECT_EQ(p.text(G::txtGameSettings, 18), QStringLiteral("250"));
    EXPECT_EQ(p.text(G::txtGameSettings, 1), QStringLiteral("0")) << "absent numbers keep their value";
    EXPECT_EQ(p.text(G::txtMasterServers, 0), QStringLiteral("m1.example.org"));
    EXPECT_EQ(p.text(G::txtMasterServers, 1), QString());
    EXPECT_EQ(p.text(G::GameLimit, 0), QStringLiteral("50"));
    EXPECT_EQ(p.text(G::GameLimit, 1), QStringLiteral("20"));
    EXPECT_EQ(p.text(G::GameLimit, 2), QStringLiteral("5"));
    EXPECT_EQ(p.text(G::txtMovement, 0), QStringLiteral("400"));
    EXPECT_EQ(p.text(G::txtMovement, 3), QStringLiteral("7000"));
    EXPECT_TRUE(p.isOn(G::chkSOF2Options, 0));
    EXPECT_FALSE(p.isOn(G::chkSOF2Options, 3));
    EXPECT_TRUE(p.isOn(G::chkSOF2Options, 4)) << "absent check keys keep their value";
    EXPECT_TRUE(p.isOn(G::chkDMFlags, 0));
    EXPECT_FALSE(p.isOn(G::chkDMFlags, 1));
    EXPECT_TRUE(p.isOn(G::chkDMFlags, 2));
    EXPECT_EQ(p.selected(G::optGameType), 1);
    EXPECT_EQ(p.selected(G::optLogging), 1);
    EXPECT_EQ(p.text(G::txtLogFileName), QStringLiteral("server.log"));
    EXPECT_TRUE(p.isOn(G::chkLogSync));
    EXPECT_EQ(p.selected(G::optServerType), 0);
    EXPECT_EQ(p.text(G::txtSeverMessageTime), QStringLiteral("10"));
    EXPECT_EQ(p.text(G::txtMsgDelay), QStringLiteral("20"));
    EXPECT_EQ(p.rotation.savedCyclePath, cycle);
    EXPECT_TRUE(p.isOn(G::chkPunkBuster));
}

TEST_F(ProfileFileTest, ASavedCycleIsKeptOnlyWhileItsFileExists)
{
    ServerProfile p;
    p.rotation.savedCyclePath = t.mainFile(QStringLiteral("gone.cfg"));
    ASSERT_TRUE(ProfileFile::write(path, p));
    ServerProfile q;
    q.rotation.savedCyclePath = QStringLiteral("/somewhere/else.cfg");
    const ProfileReadResult result = ProfileFile::read(path, q);
    EXPECT_TRUE(result.fileRead);
    EXPECT_FALSE(result.resetCycleAvailable);
    EXPECT_EQ(q.rotation.savedCyclePath, QString());

    ServerProfile untouched;
    untouched.rotation.savedCyclePath = QStringLiteral("/kept.cfg");
    untouched.setValue(G::txtMovement, 2, QStringLiteral("111"));
    EXPECT_FALSE(ProfileFile::read(t.dataFile(QStringLiteral("none.ini")), untouched).fileRead);
    EXPECT_EQ(untouched.rotation.savedCyclePath, QStringLiteral("/kept.cfg"));
    EXPECT_EQ(untouched.text(G::txtMovement, 2), QStringLiteral("111"));
}

TEST_F(ProfileFileTest, CharactersOutsideTheCodePageAreWrittenAsQuestionMarks)
{
    ServerProfile p;
    p.setValue(G::txtAdministration, 2, QStringLiteral("Caf\u00e9 \u263a"));
    ASSERT_TRUE(ProfileFile::write(path, p));
    EXPECT_TRUE(readBytes(path).contains("AdminSettings2=Caf\xe9 ?\r\n"));
    EXPECT_EQ(reloaded().text(G::txtAdministration, 2), QStringLiteral("Caf\u00e9 ?"));
}
