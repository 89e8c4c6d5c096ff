#include "maps/MapScanner.h"
#include "maps/MapListFile.h"
#include "profile/SettingsCatalogue.h"
#include "testkit/QtPrinters.h"
#include "testkit/RecordingScanProgress.h"
#include "testkit/TestContext.h"
#include "testkit/ZipFixture.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace fw;

namespace {

using StateWrite = std::pair<QString, QString>;

struct ScanFixture {
    test::TestContext t;
    test::RecordingScanProgress progress;
    QList<StateWrite> stateWrites;
    std::function<void()> failStateWrite = [] {};

    bool scan()
    {
        MapScanner scanner(t.context, progress, [this](const QString& name, const QString& value) {
            failStateWrite();
            stateWrites.append({ name, value });
        });
        return scanner.gbln_ScanMaps(QStringLiteral("Main"));
    }
    QString mainFile(const char* name) const { return t.mainFile(QString::fromUtf8(name)); }
    QByteArray mapList() const { return test::readBytes(t.dataFile(QStringLiteral("Main.efr"))); }
};

const QByteArray kNotAnArchive = "not an archive";

} // namespace

TEST(MapScanner, ListsStockAndCustomMapsInNameOrderAndCountsEveryFile)
{
    ScanFixture f;
    // The game's own archives are known by name and never opened, so content does not matter.
    for (const char* stock : { "pak0.pk3", "Pak5.pk3", "PAK6.PK3" })
        test::writeBytes(f.mainFile(stock), kNotAnArchive);
    test::ZipFixture({ "maps/dm/mymap.bsp", "maps/obj/obj1.bsp", "textures/x.jpg" })
        .write(f.mainFile("maps1.pk3"));
    test::ZipFixture({ "maps/dm/abc1.bsp" }).write(f.mainFile("abc.PK3"));
    test::ZipFixture({ "maps/dm/cafe1.bsp" }).write(f.mainFile("café.pk3"));
    test::ZipFixture({ "textures/wall.jpg" }).write(f.mainFile("textures.pk3"));
    for (const char* other : { "readme.txt", "PK3", "a.pk" })
        test::writeBytes(f.mainFile(other), kNotAnArchive);
    QDir(f.t.context.mainPath).mkdir(QStringLiteral("folder.pk3"));

    ASSERT_TRUE(f.scan());
    const QByteArray expected = test::crlfLines(
        { "abc.PK3,abc1,abc1,abc1,ffa team round", "caf\xe9.pk3,cafe1,cafe1,cafe1,ffa team round",
            "maps1.pk3,mymap,mymap,mymap,ffa team round", "maps1.pk3,obj1,obj1,obj1,objective",
            "Pak5.pk3,obj_team1,obj_team1,,objective", "Pak5.pk3,obj_team2,obj_team2,,objective",
            "Pak5.pk3,obj_team3,obj_team3,,objective", "Pak5.pk3,obj_team4,obj_team4,,objective",
            "Pak5.pk3,mohdm1,mohdm1,,ffa team round", "Pak5.pk3,mohdm2,mohdm2,,ffa team round",
            "Pak5.pk3,mohdm3,mohdm3,,ffa team round", "Pak5.pk3,mohdm4,mohdm4,,ffa team round",
            "Pak5.pk3,mohdm5,mohdm5,,ffa team round", "Pak5.pk3,mohdm6,mohdm6,,ffa team round",
            "Pak5.pk3,mohdm7,mohdm7,,ffa team round", "PAK6.PK3,mohdm6,mohdm6,,ffa team round" });
    EXPECT_EQ(f.mapList(), expected);
    EXPECT_TRUE(f.t.prompter.boxes().isEmpty());
    EXPECT_TRUE(f.stateWrites.isEmpty());
    // Every file counts towards the bar; only archives are named, the game's own ones included.
    EXPECT_EQ(f.progress.calls,
        QStringList({ "show", "file ", "maximum 10", "value 1", "value 1", "value 2",
            "file Scanning abc.PK3 ....", "value 3", "file Scanning café.pk3 ....", "value 4",
            "file Scanning maps1.pk3 ....", "value 5", "file Scanning pak0.pk3 ....", "value 6",
            "file Scanning Pak5.pk3 ....", "value 7", "file Scanning PAK6.PK3 ....", "value 8", "value 9",
            "value 10", "file Scanning textures.pk3 ....", "value 0" }));

    f.t.context.gamePath += QDir::separator();
    ASSERT_TRUE(f.scan());
    EXPECT_EQ(f.mapList(), expected) << "a game folder ending in a separator gives the same folder";
}

TEST(MapScanner, AFolderWithoutArchivesEmptiesTheListAndCountsNoMaps)
{
    ScanFixture f;
    test::writeBytes(f.t.dataFile(QStringLiteral("Main.efr")), test::crlfLines({ "old.pk3,old,old,old," }));
    test::writeBytes(f.mainFile("notes.txt"), "text");

    ASSERT_TRUE(f.scan());
    EXPECT_EQ(f.mapList(), QByteArray());
    const std::optional<MapCatalogue> catalogue = LoadAvailableMaps(f.t.context);
    ASSERT_TRUE(catalogue.has_value());
    EXPECT_TRUE(catalogue->groups().isEmpty());
    EXPECT_EQ(catalogue->countText(), QStringLiteral("0 Maps available"));
}

TEST(MapScanner, AMissingMainFolderResetsTheStoredGameFolderAndKeepsTheOldList)
{
    const QByteArray oldList = test::crlfLines({ "old.pk3,old,old,old," });
    const QString expectedText
        = QStringLiteral("Fortwright was unable to locate any pk3 files in your base folder        \r\n"
                         "This might be because the path to MOHAA is inncorrect        \r\n"
                         "Fortwright will now close and reset the selected path to MOHAA        \r\n"
                         "Restart Fortwright and make sure you select the correct path to MOHAA        \r\n"
                         "If this problem continues please contact %1        ")
              .arg(kContactAddress);
    for (const bool mainIsAFile : { false, true }) {
        ScanFixture f;
        QDir(f.t.context.mainPath).removeRecursively();
        if (mainIsAFile)
            test::writeBytes(f.t.context.mainPath, "not a folder");
        test::writeBytes(f.t.dataFile(QStringLiteral("Main.efr")), oldList);

        EXPECT_FALSE(f.scan());
        ASSERT_EQ(f.t.prompter.boxes().size(), 1);
        EXPECT_EQ(f.t.prompter.boxes()[0].text, expectedText);
        EXPECT_EQ(f.t.prompter.boxes()[0].icon, MessageIcon::Critical);
        EXPECT_EQ(f.t.prompter.boxes()[0].title, QStringLiteral("Fortwright"));
        EXPECT_EQ(f.stateWrites, QList<StateWrite>({ { "MOHAA", "" }, { "FirstTime", "0" } }));
        EXPECT_EQ(f.progress.calls, QStringList({ "show", "file ", "hide", "value 0" }));
        EXPECT_EQ(f.mapList(), oldList);
    }
}

TEST(MapScanner, AnUnreadableArchiveStopsTheScanKeepingTheLinesBeforeIt)
{
    const QByteArray good = [] {
        QTemporaryDir dir;
        test::ZipFixture({ "maps/dm/anything.bsp" }).write(dir.filePath(QStringLiteral("x.pk3")));
        return test::readBytes(dir.filePath(QStringLiteral("x.pk3")));
    }();
    for (const QByteArray& bad : { kNotAnArchive, QByteArray(), good.left(good.size() - 10) }) {
        ScanFixture f;
        test::ZipFixture({ "maps/dm/first.bsp" }).write(f.mainFile("a.pk3"));
        test::writeBytes(f.mainFile("b.pk3"), bad);
        test::ZipFixture({ "maps/dm/third.bsp" }).write(f.mainFile("c.pk3"));
        test::writeBytes(f.mainFile("pak5.pk3"), kNotAnArchive);

        EXPECT_FALSE(f.scan());
        EXPECT_EQ(f.mapList(), test::crlfLines({ "a.pk3,first,first,first,ffa team round" }));
        ASSERT_EQ(f.t.prompter.boxes().size(), 1);
        EXPECT_EQ(f.t.prompter.boxes()[0].text,
            QStringLiteral(
                "The following pk3 b.pk3 file does not contain an arena file, Fortwright is unable to "
                "process this file\r\nit is recomended that you remove this pk3 file from your MOHAA "
                "Main folder and run this map scan again        "));
        EXPECT_EQ(f.t.prompter.boxes()[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(f.progress.calls.mid(f.progress.calls.size() - 3),
            QStringList({ "file Scanning b.pk3 ....", "hide", "value 0" }));
        EXPECT_TRUE(f.stateWrites.isEmpty());
    }
}

TEST(MapScanner, OtherFailuresShowTheirDescriptionUnderTheirSource)
{
    {
        ScanFixture f;
        test::ZipFixture({ "maps/dm/first.bsp" }).write(f.mainFile("a.pk3"));
        QDir(f.t.context.dataDir).removeRecursively();
        EXPECT_FALSE(f.scan());
        ASSERT_EQ(f.t.prompter.boxes().size(), 1);
        EXPECT_TRUE(f.t.prompter.boxes()[0].text.startsWith(QStringLiteral("Path not found: ")));
        EXPECT_EQ(f.t.prompter.boxes()[0].title, QStringLiteral("Fortwright"));
        EXPECT_EQ(f.t.prompter.boxes()[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(f.progress.calls.last(), QStringLiteral("value 0"));
    }
    {
        ScanFixture f;
        QDir(f.t.context.mainPath).removeRecursively();
        f.failStateWrite = [] {
            throw FortwrightError(static_cast<qint32>(0x80040001),
                FortwrightError::componentSource(QStringLiteral("CAppSettings")),
                QStringLiteral("The settings store cannot be written"));
        };
        EXPECT_FALSE(f.scan());
        ASSERT_EQ(f.t.prompter.boxes().size(), 2)
            << "the missing folder, then the failure to store its reset";
        EXPECT_EQ(f.t.prompter.boxes()[1].text, QStringLiteral("The settings store cannot be written"));
        EXPECT_EQ(f.t.prompter.boxes()[1].title, QStringLiteral("Fortwright.CAppSettings"));
        EXPECT_EQ(f.t.prompter.boxes()[1].icon, MessageIcon::Exclamation);
        EXPECT_EQ(f.progress.calls.last(), QStringLiteral("value 0"));
    }
}
