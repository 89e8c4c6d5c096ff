#include "CliRun.h"
#include "cli/ConsolePrompter.h"
#include "cli/ConsoleScanProgress.h"
#include "profile/AppState.h"
#include "testkit/QtPrinters.h"
#include "testkit/TestContext.h"
#include "testkit/ZipFixture.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace fw;
using namespace fw::cli;
using namespace fw::test;

namespace {

// The data folder holds the session's settings store; a per-user configuration folder that
// nothing may touch stands beside it.
struct MapCommandsTest : CliFolders {
    QString main = game + QStringLiteral("/Main");
    QString userConfig = path(QStringLiteral("config"));
    QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");

    MapCommandsTest() { qputenv("XDG_CONFIG_HOME", userConfig.toLocal8Bit()); }
    ~MapCommandsTest() override
    {
        EXPECT_FALSE(QFileInfo::exists(userConfig)) << "a session with a data folder keeps out of the user's";
        savedConfigHome.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", savedConfigHome);
    }

    QString mapList() const { return file(QStringLiteral("Main.efr")); }
    AppState state() const { return AppState(file(QStringLiteral("registry.json"))); }
};

} // namespace

// Which entries count as maps, and that a scan starts the list afresh, the scanner's own tests hold.
TEST_F(MapCommandsTest, ScanWritesTheMapListAndPrintsTheCountReadBack)
{
    test::writeZip(main + QStringLiteral("/maps1.pk3"), { "maps/dm/x1.bsp", "maps/obj/y1.bsp" });
    test::writeZip(main + QStringLiteral("/pak6.PK3"), { "maps/dm/mohdm6.bsp" });
    const CliResult scanned = runInGame({ "scan" });
    ASSERT_EQ(scanned.code, 0) << scanned.err.toStdString();
    EXPECT_EQ(scanned.out, QStringLiteral("3 Maps available\n"));
    EXPECT_EQ(scanned.err, QString()) << "no progress when standard error is not a terminal";
    EXPECT_EQ(readBytes(mapList()),
        crlfLines({ "maps1.pk3,x1,x1,x1,ffa team round", "maps1.pk3,y1,y1,y1,objective",
            "pak6.PK3,mohdm6,mohdm6,,ffa team round" }));
}

TEST_F(MapCommandsTest, AMissingMainFolderResetsTheStoredGameFolder)
{
    const QString noMain = path(QStringLiteral("elsewhere"));
    QDir().mkpath(noMain);
    state().setGameFolder(noMain);
    state().setFirstTime(true);

    const CliResult scanned = run({ "scan" });
    EXPECT_EQ(scanned.code, 1);
    EXPECT_EQ(scanned.out, QString());
    const QStringList message = scanned.err.split(QLatin1Char('\n'));
    ASSERT_EQ(message.size(), 6) << scanned.err.toStdString();
    EXPECT_EQ(
        message[0], QStringLiteral("Fortwright was unable to locate any pk3 files in your base folder"));
    EXPECT_TRUE(message[4].startsWith(QStringLiteral("If this problem continues please contact ")));
    EXPECT_FALSE(message[4].endsWith(QLatin1Char(' ')));
    EXPECT_FALSE(QFileInfo::exists(mapList()));

    const AppState after = state();
    EXPECT_EQ(after.gameFolder(), QString());
    EXPECT_EQ(after.firstTime(), QStringLiteral("0"));

    // With the stored folder gone, the next scan has no game folder to work on.
    const CliResult next = run({ "scan" });
    EXPECT_EQ(next.code, 1);
    EXPECT_TRUE(next.err.startsWith(QStringLiteral("No game folder is known"))) << next.err.toStdString();
}

TEST_F(MapCommandsTest, TheStoredFolderIsCleanedAsStartUpCleansItAndOnlyItsOwnFailureResetsIt)
{
    test::writeZip(main + QStringLiteral("/maps1.pk3"), { "maps/dm/x1.bsp" });
    // Blanks around it and the NUL that an installation record leaves at its end.
    const QString stored = QStringLiteral("  ") + game + QStringLiteral("/") + QChar(0);
    state().setGameFolder(stored);
    state().setFirstTime(true);
    const CliResult scanned = run({ "scan" });
    EXPECT_EQ(scanned.code, 0) << scanned.err.toStdString();
    EXPECT_EQ(scanned.out, QStringLiteral("1 Maps available\n"));
    EXPECT_EQ(state().gameFolder(), stored) << "the stored text is used, not rewritten";

    // A folder given for this run fails: the stored one, which never failed, is kept.
    const QString elsewhere = path(QStringLiteral("elsewhere"));
    QDir().mkpath(elsewhere);
    EXPECT_EQ(run({ "--game-dir", elsewhere, "scan" }).code, 1);
    EXPECT_EQ(state().gameFolder(), stored);
    EXPECT_EQ(state().firstTime(), QStringLiteral("1"));
}

TEST_F(MapCommandsTest, MapsPrintsTheEntriesOfTheMapList)
{
    writeBytes(mapList(),
        crlfLines({ "Pak5.pk3,obj_team1,obj_team1,,objective", "broken line",
            "caf\xe9.pk3,b,b,b,ffa team round" }));
    const CliResult listed = run({ "maps" });
    ASSERT_EQ(listed.code, 0) << listed.err.toStdString();
    EXPECT_EQ(listed.out,
        QStringLiteral("Pak5.pk3,obj_team1,obj_team1,,objective\ncaf\u00e9.pk3,b,b,b,ffa team round\n"));
    EXPECT_EQ(listed.err, QString());

    QFile::remove(mapList());
    const CliResult missing = run({ "maps" });
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.out, QString());
    EXPECT_EQ(
        missing.err, QStringLiteral("Unable to locate Fortwright Map List, please run a new Map Scan\n"));
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
    progress.setCurrentFile(QStringLiteral("Scanning longname.pk3 ...."));
    progress.setCurrentFile(QStringLiteral("Scanning b.pk3 ...."));
    prompter.warn(QStringLiteral("Trouble        "));
    progress.setValue(0);
    stream.flush();
    const QString cleared = QLatin1Char('\r') + QString(23, QLatin1Char(' ')) + QLatin1Char('\r');
    EXPECT_EQ(text,
        QStringLiteral("\rScanning .... 1/3\rScanning .... 2/3\rScanning longname.pk3 .... 2/3"
                       "\rScanning b.pk3 .... 2/3       ")
            + cleared + QStringLiteral("Trouble\n"));
}
