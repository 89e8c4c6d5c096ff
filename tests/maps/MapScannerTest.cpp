#include "maps/MapScanner.h"
#include "profile/SettingsCatalogue.h"
#include "support/errors/FortwrightError.h"
#include "testkit/QtPrinters.h"
#include "testkit/RecordingScanProgress.h"
#include "testkit/TestContext.h"
#include "testkit/TestData.h"
#include "testkit/ZipFixture.h"

#include <QDir>

namespace {

struct ScanFixture {
    test::TestContext t;
    test::RecordingScanProgress progress;
    QStringList stateWrites;
    std::function<void()> failStateWrite = [] {};

    bool scan()
    {
        MapScanner scanner(t.context, progress, [this](const QString& name, const QString& value) {
            failStateWrite();
            stateWrites.append(name + QLatin1Char('=') + value);
        });
        return scanner.gbln_ScanMaps(u"Main"_s);
    }
    QString main(const char* name) const { return t.mainFile(QString::fromUtf8(name)); }
    QByteArray mapList() const { return test::readBytes(t.dataFile(u"Main.efr"_s)); }
};

const QByteArray kGarbage = "not an archive";

MessageBox noMainFolderBox()
{
    return test::criticalBox(
        QString::fromLatin1(test::testData(u"scan-no-main-folder.txt"_s)).arg(kContactAddress));
}

} // namespace

TEST(MapScanner, ListsStockAndCustomMapsInNameOrderAndCountsEveryFile)
{
    ScanFixture f;
    // Only the names of the game's own archives matter: they are never opened, nor are non-archives.
    for (const char* garbage : { "pak1.PK3", "Pak5.pk3", "PAK6.PK3", "readme.txt", "PK3", "a.pk" })
        test::writeBytes(f.main(garbage), kGarbage);
    test::writeZip(f.main("maps1.pk3"), { "maps/dm/mymap.bsp", "maps/obj/obj1.bsp", "textures/x.jpg" });
    test::writeZip(f.main("abc.PK3"), { "maps/dm/abc1.bsp" });
    test::writeZip(f.main("café.pk3"), { "maps/obj/cafe1.bsp" });
    QDir(f.t.context.mainPath).mkdir(u"folder.pk3"_s);
    test::writeBytes(f.t.dataFile(u"Main.efr"_s), test::crlfLines({ "old.pk3,old,old,old," }));

    ASSERT_TRUE(f.scan());
    EXPECT_EQ(f.mapList(), test::testData(u"Main.efr.expected"_s));
    EXPECT_TRUE(f.t.prompter.boxes().isEmpty());
    EXPECT_EQ(
        f.progress.calls.join(u'\n') + u'\n', QString::fromUtf8(test::testData(u"scan-progress.expected"_s)));
}

TEST(MapScanner, ANameThatWouldBreakTheListOrTheConfigurationIsSkippedAndLogged)
{
    ScanFixture f;
    test::writeZip(f.main("evil.pk3"),
        { "maps/dm/ok_map.bsp", "maps/dm/a,b.bsp", "maps/dm/x\"; set rconpassword pwned.bsp",
            "maps/dm/semi;colon.bsp", "maps/dm/fake\r\nevil,f1,f1,f1,objective.bsp",
            "maps/obj/tab\there.bsp" });
    test::writeZip(f.main("bad,name.pk3"), { "maps/dm/inside.bsp" });
    ASSERT_TRUE(f.scan());
    EXPECT_EQ(f.mapList(), test::crlfLines({ "evil.pk3,ok_map,ok_map,ok_map,ffa team round" }));

    const QByteArray log = test::readBytes(f.t.context.errors.defaultLogPath());
    for (const char* skipped : { "a,b.bsp in evil.pk3", "semi;colon.bsp", "fake\\r\\nevil", "tab\\there.bsp",
             "x\"; set rconpassword", "the archive bad,name.pk3" })
        EXPECT_TRUE(log.contains(skipped)) << skipped << " in\n" << log.constData();
    EXPECT_FALSE(log.contains('\t')) << "a control character is written visibly";
    EXPECT_TRUE(f.t.prompter.boxes().isEmpty()) << "skipping is no failure";
}

TEST(MapScanner, AMissingMainFolderResetsTheStoredGameFolderAndKeepsTheOldList)
{
    const QByteArray oldList = test::crlfLines({ "old.pk3,old,old,old," });
    ScanFixture f;
    QDir(f.t.context.mainPath).removeRecursively();
    test::writeBytes(f.t.dataFile(u"Main.efr"_s), oldList);

    EXPECT_FALSE(f.scan());
    EXPECT_EQ(f.t.prompter.boxes(), test::Boxes { noMainFolderBox() });
    EXPECT_EQ(f.stateWrites, QStringList({ "MOHAA=", "FirstTime=0" }));
    EXPECT_EQ(f.progress.calls, QStringList({ "show", "file ", "hide", "value 0" }));
    EXPECT_EQ(f.mapList(), oldList);
}

TEST(MapScanner, AnUnreadableArchiveStopsTheScanKeepingTheLinesBeforeIt)
{
    test::TestContext scratch;
    test::writeZip(scratch.mainFile(u"x.pk3"_s), { "maps/dm/anything.bsp" });
    const QByteArray zip = test::readBytes(scratch.mainFile(u"x.pk3"_s));
    for (const QByteArray& bad : { kGarbage, QByteArray(), zip.left(zip.size() - 10) }) {
        ScanFixture f;
        test::writeZip(f.main("a.pk3"), { "maps/dm/first.bsp" });
        test::writeBytes(f.main("b.pk3"), bad);
        test::writeZip(f.main("c.pk3"), { "maps/dm/third.bsp" });

        EXPECT_FALSE(f.scan());
        EXPECT_EQ(f.mapList(), test::crlfLines({ "a.pk3,first,first,first,ffa team round" }));
        EXPECT_EQ(f.t.prompter.boxes(),
            test::Boxes {
                test::warningBox(QString::fromLatin1(test::testData(u"unreadable-archive.txt"_s))) });
        EXPECT_EQ(f.progress.calls.mid(f.progress.calls.size() - 3),
            QStringList({ "file Scanning b.pk3 ....", "hide", "value 0" }));
        // The box keeps its wording; the log says why the reader gave up.
        const QByteArray log = test::readBytes(f.t.context.errors.defaultLogPath());
        EXPECT_TRUE(log.contains("b.pk3 (")) << log.constData();
        EXPECT_TRUE(log.contains(bad.isEmpty() ? "empty file" : "zip")) << log.constData();
    }
}

TEST(MapScanner, OtherFailuresShowTheirDescriptionUnderTheirSource)
{
    ScanFixture noData;
    QDir(noData.t.context.dataDir).removeRecursively();
    EXPECT_FALSE(noData.scan());
    ASSERT_EQ(noData.t.prompter.boxes().size(), 1);
    const MessageBox& box = noData.t.prompter.boxes()[0];
    EXPECT_TRUE(box.text.startsWith(u"Path not found: "_s));
    EXPECT_EQ(box, test::warningBox(box.text, u"Fortwright"_s)) << "under its source, the program";
    EXPECT_EQ(noData.progress.calls.last(), u"value 0"_s);

    ScanFixture noStore;
    QDir(noStore.t.context.mainPath).removeRecursively();
    noStore.failStateWrite
        = [] { throw FortwrightError(1, u"Fortwright.CAppSettings"_s, u"Cannot store"_s); };
    EXPECT_FALSE(noStore.scan());
    EXPECT_EQ(noStore.t.prompter.boxes(),
        test::Boxes({ noMainFolderBox(), test::warningBox(u"Cannot store"_s, u"Fortwright.CAppSettings"_s) }))
        << "the missing folder, then the failed reset";
}
