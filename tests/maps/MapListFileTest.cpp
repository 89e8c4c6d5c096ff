#include "maps/MapListFile.h"
#include "testkit/QtPrinters.h"
#include "testkit/TestContext.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

QStringList summary(const MapCatalogue& catalogue)
{
    QStringList out;
    for (const ArchiveGroup& group : catalogue.groups()) {
        QStringList tags;
        for (const MapEntry& map : group.maps)
            tags.append(map.mapName + QLatin1Char('=') + map.tag());
        out.append(group.archive + QStringLiteral(": ") + tags.join(QStringLiteral(" | ")));
    }
    return out;
}

} // namespace

TEST(MapListFile, ConsecutiveLinesOfOneArchiveIgnoringCaseFormOneGroup)
{
    test::TestContext t;
    test::writeBytes(t.dataFile(QStringLiteral("Main.efr")),
        test::crlfLines({ "Maps1.pk3,a1,a1,a1,ffa team round", "maps1.pk3,b1,b1,b1,objective",
            "Pak5.pk3,mohdm6,mohdm6,,ffa team round", "PAK6.PK3,mohdm6,mohdm6,,ffa team round",
            "MAPS1.PK3,c1,c1,c1,", "caf\xe9.pk3,d1,d1,Long d,ffa team round" }));

    const std::optional<MapCatalogue> catalogue = LoadAvailableMaps(t.context);
    ASSERT_TRUE(catalogue.has_value());
    EXPECT_EQ(summary(*catalogue),
        QStringList({ "Maps1.pk3: a1=a1,a1,ffa team round | b1=b1,b1,objective",
            "Pak5.pk3: mohdm6=mohdm6,,ffa team round", "PAK6.PK3: mohdm6=mohdm6,,ffa team round",
            "MAPS1.PK3: c1=c1,c1,", QStringLiteral("café.pk3: d1=d1,Long d,ffa team round") }));
    EXPECT_EQ(catalogue->countText(), QStringLiteral("6 Maps available"));
    EXPECT_TRUE(t.prompter.boxes().isEmpty());
}

TEST(MapListFile, LinesThatDoNotSplitIntoFiveFieldsAreSkippedSilently)
{
    test::TestContext t;
    test::writeBytes(t.dataFile(QStringLiteral("Main.efr")),
        "a.pk3,one,one,one,ffa team round\r\n"
        "\r\n"
        "a.pk3,two,two\r\n"
        "my,maps.pk3,three,three,three,\r\n"
        "a.pk3,four,four,four,objective\n"
        "b.pk3,five,five,five,");

    const std::optional<MapCatalogue> catalogue = LoadAvailableMaps(t.context);
    ASSERT_TRUE(catalogue.has_value());
    EXPECT_EQ(summary(*catalogue),
        QStringList(
            { "a.pk3: one=one,one,ffa team round | four=four,four,objective", "b.pk3: five=five,five," }));
    EXPECT_EQ(catalogue->countText(), QStringLiteral("3 Maps available"));
    EXPECT_TRUE(t.prompter.boxes().isEmpty());
}

TEST(MapListFile, AMissingListAsksForANewScan)
{
    test::TestContext t;
    EXPECT_FALSE(LoadAvailableMaps(t.context).has_value());
    ASSERT_EQ(t.prompter.boxes().size(), 1);
    EXPECT_EQ(t.prompter.boxes()[0].text,
        QStringLiteral("Unable to locate Fortwright Map List, please run a new Map Scan        "));
    EXPECT_EQ(t.prompter.boxes()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(t.prompter.boxes()[0].title, QStringLiteral("Fortwright"));
}
