#include "CliRun.h"
#include "cli/ConsolePrompter.h"
#include "cli/ConsoleScanProgress.h"
#include "maps/MapListFile.h"
#include "profile/AppState.h"
#include "testkit/QtPrinters.h"
#include "testkit/TestContext.h"
#include "testkit/ZipFixture.h"

#include <QDir>
#include <QFileInfo>

using namespace fw::cli;

namespace {

// The data folder holds the session's settings store; a per-user configuration folder that
// nothing may touch stands beside it.
struct MapCommandsTest : CliFolders {
    QString main = game + u"/Main"_s;
    QString userConfig = path(u"config"_s);
    QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");

    MapCommandsTest() { qputenv("XDG_CONFIG_HOME", userConfig.toLocal8Bit()); }
    ~MapCommandsTest() override
    {
        EXPECT_FALSE(QFileInfo::exists(userConfig)) << "a session with a data folder keeps out of the user's";
        savedConfigHome.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", savedConfigHome);
    }

    QString mapList() const { return file(u"Main.efr"_s); }
    AppState state() const { return AppState(file(u"registry.json"_s)); }
};

} // namespace

// Which entries count as maps, and that a scan starts the list afresh, the scanner's own tests hold.
TEST_F(MapCommandsTest, ScanWritesTheMapListAndPrintsTheCountReadBack)
{
    test::writeZip(main + u"/maps1.pk3"_s, { "maps/dm/x1.bsp", "maps/obj/y1.bsp" });
    test::writeZip(main + u"/pak6.PK3"_s, { "maps/dm/mohdm6.bsp" });
    const CliResult scanned = runInGame({ "scan" });
    expectRun(scanned, 0, QString()); // no progress when standard error is not a terminal
    EXPECT_EQ(scanned.out, u"3 Maps available\n"_s);
    EXPECT_EQ(readBytes(mapList()),
        crlfLines({ "maps1.pk3,x1,x1,x1,ffa team round", "maps1.pk3,y1,y1,y1,objective",
            "pak6.PK3,mohdm6,mohdm6,,ffa team round" }));
}

TEST_F(MapCommandsTest, AMissingMainFolderResetsTheStoredGameFolder)
{
    const QString noMain = path(u"elsewhere"_s);
    QDir().mkpath(noMain);
    state().setGameFolder(noMain);
    state().setFirstTime(true);

    const CliResult scanned = run({ "scan" });
    EXPECT_EQ(scanned.code, 1);
    EXPECT_EQ(scanned.out, QString());
    const QStringList message = scanned.err.split(QLatin1Char('\n'));
    ASSERT_EQ(message.size(), 6) << scanned.err.toStdString();
    EXPECT_EQ(message[0], u"Fortwright was unable to locate any pk3 files in your base folder"_s);
    EXPECT_TRUE(message[4].startsWith(u"If this problem continues please contact "_s));
    EXPECT_FALSE(message[4].endsWith(QLatin1Char(' ')));
    EXPECT_FALSE(QFileInfo::exists(mapList()));

    EXPECT_EQ(QStringList({ state().gameFolder(), state().firstTime() }), QStringList({ QString(), u"0"_s }));

    // With the stored folder gone, the next scan has no game folder to work on.
    expectRun(run({ "scan" }), 1, u"No game folder is known"_s, ErrText::Start);
}

TEST_F(MapCommandsTest, TheStoredFolderIsCleanedAsStartUpCleansItAndOnlyItsOwnFailureResetsIt)
{
    test::writeZip(main + u"/maps1.pk3"_s, { "maps/dm/x1.bsp" });
    // Blanks around it and the NUL that an installation record leaves at its end.
    const QString stored = u"  "_s + game + u"/"_s + QChar(0);
    state().setGameFolder(stored);
    state().setFirstTime(true);
    const CliResult scanned = run({ "scan" });
    expectRun(scanned, 0, QString());
    EXPECT_EQ(scanned.out, u"1 Maps available\n"_s);
    EXPECT_EQ(state().gameFolder(), stored) << "the stored text is used, not rewritten";

    // A folder given for this run fails: the stored one, which never failed, is kept.
    const QString elsewhere = path(u"elsewhere"_s);
    QDir().mkpath(elsewhere);
    EXPECT_EQ(run({ "--game-dir", elsewhere, "scan" }).code, 1);
    EXPECT_EQ(QStringList({ state().gameFolder(), state().firstTime() }), QStringList({ stored, u"1"_s }));
}

TEST_F(MapCommandsTest, MapsPrintsTheEntriesOfTheMapList)
{
    writeBytes(mapList(),
        crlfLines({ "Pak5.pk3,obj_team1,obj_team1,,objective", "broken line",
            "caf\xe9.pk3,b,b,b,ffa team round" }));
    const CliResult listed = run({ "maps" });
    expectRun(listed, 0, QString());
    EXPECT_EQ(listed.out, u"Pak5.pk3,obj_team1,obj_team1,,objective\ncaf\u00e9.pk3,b,b,b,ffa team round\n"_s);

    QFile::remove(mapList());
    const CliResult missing = run({ "maps" });
    expectRun(missing, 1, kMapListMissingMessage.trimmed() + u'\n');
    EXPECT_EQ(missing.out, QString());
}

TEST(ConsoleScanProgressTest, OneLineRewrittenInPlaceAndClearedBeforeABox)
{
    QString text;
    QTextStream stream(&text);
    EXPECT_FALSE(writesToTerminal(stream));

    ConsolePrompter prompter(stream);
    ConsoleScanProgress progress(&prompter);
    progress.show();
    progress.setCurrentFile(QString());
    progress.setMaximum(3);
    progress.setValue(1);
    progress.setValue(2);
    progress.setCurrentFile(u"Scanning longname.pk3 ...."_s);
    progress.setCurrentFile(u"Scanning b.pk3 ...."_s);
    prompter.warn(u"Trouble        "_s);
    progress.setValue(0);
    stream.flush();
    const QString cleared = QLatin1Char('\r') + QString(23, QLatin1Char(' ')) + QLatin1Char('\r');
    EXPECT_EQ(text,
        u"\rScanning .... 1/3\rScanning .... 2/3\rScanning longname.pk3 .... 2/3"
        "\rScanning b.pk3 .... 2/3       "_s
            + cleared + u"Trouble\n"_s);
}
