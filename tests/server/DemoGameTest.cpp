#include "ServerTestKit.h"

#include "maps/MapScanner.h"
#include "maps/ScanProgress.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>

#include <gtest/gtest.h>

using namespace fw;
using namespace fw::test;

namespace {

// Every file under dir with its bytes, by path relative to dir.
QMap<QString, QByteArray> snapshot(const QString& dir)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files.insert(QDir(dir).relativeFilePath(path), readBytes(path));
    }
    return files;
}

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
    const QMap<QString, QByteArray> first = snapshot(game);
    for (int n = 0; n <= 6; ++n)
        EXPECT_TRUE(first.contains(QStringLiteral("Main/Pak%1.pk3").arg(n))) << n;

    // The map scan finds the stock lines and every custom map with the game type of its folder.
    SilentScanProgress progress;
    ASSERT_TRUE(
        MapScanner(tc.context, progress, [](const QString&, const QString&) {}).gbln_ScanMaps("Main"));
    const QStringList lines = QString::fromLatin1(readBytes(tc.dataFile(QStringLiteral("Main.efr"))))
                                  .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 12 + 7) << lines.join(' ').toStdString();
    EXPECT_TRUE(
        lines.contains(QStringLiteral("user-bridges.pk3,obj_bridges,obj_bridges,obj_bridges,objective")));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("zz_harbor_pack.pk3,harbor_day,harbor_day,harbor_day,ffa team round")));

    writeBytes(QDir(game).filePath(QStringLiteral("Main/server.cfg")), "mine");
    ASSERT_TRUE(runGenerator(game));
    QMap<QString, QByteArray> second = snapshot(game);
    EXPECT_EQ(second.take(QStringLiteral("Main/server.cfg")), QByteArray("mine")) << "other files stay";
    EXPECT_TRUE(second == first) << "a second run writes the same bytes";
}
