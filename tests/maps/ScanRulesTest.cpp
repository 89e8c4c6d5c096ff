#include "maps/ScanRules.h"
#include "maps/Pk3Archive.h"
#include "testkit/QtPrinters.h"
#include "testkit/TestContext.h"
#include "testkit/ZipFixture.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

QStringList lines(const QList<MapEntry>& maps)
{
    QStringList out;
    for (const MapEntry& map : maps)
        out.append(map.line());
    return out;
}

// The map lines of an archive holding the given entries.
QStringList customLines(const QStringList& entries)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("custom.pk3"));
    test::ZipFixture(entries).write(path);
    return lines(customArchiveMaps(Pk3Archive(path), QStringLiteral("Custom.pk3")));
}

} // namespace

TEST(ScanRules, ArchivesAreNamesLongerThanFourEndingInPk3InAnyCase)
{
    for (const char* name : { "abc.PK3", "x.pk3", "maps.Pk3", "nodotpk3" })
        EXPECT_TRUE(isPk3Name(QString::fromLatin1(name))) << name;
    for (const char* name : { "PK3", ".pk3", "a.pk", "maps.pk3.txt", "maps.pk4", "" })
        EXPECT_FALSE(isPk3Name(QString::fromLatin1(name))) << name;
}

TEST(ScanRules, StockArchivesGiveTheirFixedLinesAndKeepTheirSpelling)
{
    const std::optional<QList<MapEntry>> pak5 = stockArchiveMaps(QStringLiteral("pak5.pk3"));
    ASSERT_TRUE(pak5.has_value());
    EXPECT_EQ(lines(*pak5),
        QStringList({ "pak5.pk3,obj_team1,obj_team1,,objective", "pak5.pk3,obj_team2,obj_team2,,objective",
            "pak5.pk3,obj_team3,obj_team3,,objective", "pak5.pk3,obj_team4,obj_team4,,objective",
            "pak5.pk3,mohdm1,mohdm1,,ffa team round", "pak5.pk3,mohdm2,mohdm2,,ffa team round",
            "pak5.pk3,mohdm3,mohdm3,,ffa team round", "pak5.pk3,mohdm4,mohdm4,,ffa team round",
            "pak5.pk3,mohdm5,mohdm5,,ffa team round", "pak5.pk3,mohdm6,mohdm6,,ffa team round",
            "pak5.pk3,mohdm7,mohdm7,,ffa team round" }));

    const std::optional<QList<MapEntry>> pak6 = stockArchiveMaps(QStringLiteral("PAK6.PK3"));
    ASSERT_TRUE(pak6.has_value());
    EXPECT_EQ(lines(*pak6), QStringList({ "PAK6.PK3,mohdm6,mohdm6,,ffa team round" }));

    for (const char* name : { "Pak0.pk3", "pak1.PK3", "PAK2.PK3", "pak3.pk3", "PaK4.pK3" }) {
        const std::optional<QList<MapEntry>> none = stockArchiveMaps(QString::fromLatin1(name));
        ASSERT_TRUE(none.has_value()) << name << " is the game's own and is never opened";
        EXPECT_TRUE(none->isEmpty()) << name;
    }
    for (const char* name : { "pak7.pk3", "mypak5.pk3", "pak5.pk3.pk3", "pak50.pk3" })
        EXPECT_FALSE(stockArchiveMaps(QString::fromLatin1(name)).has_value()) << name;
}

TEST(ScanRules, ACustomArchiveNeedsOneMapNameLongerThanFive)
{
    EXPECT_TRUE(customLines({ "a.bsp" }).isEmpty());
    EXPECT_TRUE(customLines({ "a.bsp", "readme.txt", "maps/dm/" }).isEmpty());
    EXPECT_TRUE(customLines({ "textures/wall.jpg", "scripts/x.scr" }).isEmpty());
    EXPECT_EQ(customLines({ "a.bsp", "arena1.bsp" }),
        QStringList({ "Custom.pk3,a,a,a,", "Custom.pk3,arena1,arena1,arena1," }))
        << "once the archive counts, the short name is listed too, in entry order";
}

TEST(ScanRules, MapsAreNamedUpToTheFirstDotAndTypedByTheirExactFolder)
{
    EXPECT_EQ(customLines({ "maps/dm/test.version2.bsp" }),
        QStringList({ "Custom.pk3,test,test,test,ffa team round" }));
    EXPECT_EQ(customLines({ "maps/dm/x1.bsp", "maps/obj/y1.bsp", "MAPS/OBJ/Z1.BSP", "maps/dm/sub/w1.bsp",
                  "maps/x2.bsp", "top1.bsp", "maps/dm/notes.txt", "maps/dm/bsp", "maps/dm/mapbsp",
                  "maps/obj/bad.bsp.txt" }),
        QStringList({ "Custom.pk3,x1,x1,x1,ffa team round", "Custom.pk3,y1,y1,y1,objective",
            "Custom.pk3,Z1,Z1,Z1,objective", "Custom.pk3,w1,w1,w1,", "Custom.pk3,x2,x2,x2,",
            "Custom.pk3,top1,top1,top1,", "Custom.pk3,mapbsp,mapbsp,mapbsp,ffa team round" }));
}
