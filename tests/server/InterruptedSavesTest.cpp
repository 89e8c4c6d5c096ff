#include "server/InterruptedSaves.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFileInfo>

TEST(InterruptedSaves, OnlyOldTemporariesOfTheProgramsOwnFilesGo)
{
    test::TestContext t;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QString store = QFileInfo(t.context.settingsStorePath).absolutePath();
    QDir().mkpath(store);
    const QStringList stale { t.dataFile("Banned.dat.Ab12Cd"), t.dataFile("Default.ini.zZ9yX8"),
        t.dataFile(".profile-a1b2c3"), store + u"/registry.json.Q1w2E3"_s };
    const QStringList kept { t.dataFile("Banned.dat"), t.dataFile("Maps.dat.Zz99Yy"),
        t.dataFile("notes.txt.backup"), t.dataFile("Banned.dat.old"), t.dataFile("Banned.dat.Ab12Cd7") };
    for (const QString& path : stale)
        test::writeAged(path, 3600);
    for (const QString& path : kept)
        test::writeAged(path, path.endsWith(QLatin1String("Zz99Yy")) ? 5 : 3600); // a save under way is young

    EXPECT_EQ(removeInterruptedSaves(t.context, now), 4);
    for (const QString& path : stale)
        EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
    for (const QString& path : kept)
        EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
}
