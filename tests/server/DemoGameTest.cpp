#include "ServerTestKit.h"

#include "maps/MapScanner.h"
#include "maps/ScanProgress.h"
#include "testkit/FolderSnapshot.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QProcess>

namespace {

bool runGenerator(const QString& dir)
{
    QProcess generator;
    generator.start(builtProgram("fortwright-demo-game"), { dir });
    return generator.waitForFinished(20000) && generator.exitStatus() == QProcess::NormalExit
        && generator.exitCode() == 0;
}

} // namespace

TEST(DemoGame, GeneratorMakesAGameFolderAgainAndAgain)
{
    ensureCoreApplication();
    TestContext tc;
    const QString game = tc.context.gamePath;
    ASSERT_TRUE(runGenerator(game));
    const FolderSnapshot first = snapshotFolder(game);
    for (int n = 0; n <= 6; ++n)
        EXPECT_TRUE(first.contains(u"Main/Pak%1.pk3"_s.arg(n))) << n;

    // The map scan finds the stock lines and every custom map with the game type of its folder.
    SilentScanProgress progress;
    ASSERT_TRUE(
        MapScanner(tc.context, progress, [](const QString&, const QString&) {}).gbln_ScanMaps("Main"));
    const QStringList lines
        = QString::fromLatin1(readBytes(tc.dataFile(u"Main.efr"_s))).split(u"\r\n"_s, Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 12 + 7) << lines.join(' ').toStdString();
    EXPECT_TRUE(lines.contains(u"user-bridges.pk3,obj_bridges,obj_bridges,obj_bridges,objective"_s));
    EXPECT_TRUE(lines.contains(u"zz_harbor_pack.pk3,harbor_day,harbor_day,harbor_day,ffa team round"_s));

    writeBytes(QDir(game).filePath(u"Main/server.cfg"_s), "mine");
    ASSERT_TRUE(runGenerator(game));
    FolderSnapshot second = snapshotFolder(game);
    EXPECT_EQ(second.take(u"Main/server.cfg"_s), QByteArray("mine")) << "other files stay";
    EXPECT_TRUE(second == first) << "a second run writes the same bytes";
}
