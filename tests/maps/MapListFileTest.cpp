#include "maps/MapListFile.h"
#include "maps/MapNameIndex.h"
#include "support/text/AnsiCodec.h"
#include "testkit/QtPrinters.h"
#include "testkit/TestContext.h"
#include "testkit/TestData.h"

TEST(MapListFile, GroupsConsecutiveArchivesIgnoringCaseAndCountsMalformedLinesWithoutShowingThem)
{
    test::TestContext t;
    // Mixed line ends, a blank line, lines of three and six fields, a code-page byte, no last line end.
    test::writeBytes(t.dataFile(u"Main.efr"_s), test::testData(u"map-list-mixed.efr"_s));

    const std::optional<MapCatalogue> catalogue = LoadAvailableMaps(t.context);
    ASSERT_TRUE(catalogue.has_value());
    QStringList groups;
    for (const ArchiveGroup& group : catalogue->groups()) {
        groups.append(group.archive + QLatin1Char(':'));
        for (const MapEntry& map : group.maps)
            groups.last() += QLatin1Char(' ') + map.mapName + QLatin1Char('=') + map.tag();
    }
    EXPECT_EQ(groups,
        QStringList({ "Maps1.pk3: a1=a1,a1,ffa team round b1=b1 copy,b1,objective",
            "Pak5.pk3: mohdm6=mohdm6,,ffa team round", "PAK6.PK3: mohdm6=mohdm6,,ffa team round",
            "MAPS1.PK3: c1=c1,c1,", u"café.pk3: d1=d1,Long d,ffa team round"_s }));
    EXPECT_EQ(catalogue->countText(), u"8 Maps available"_s)
        << "every line read counts, the two that do not split into five fields too; the blank does not";
    EXPECT_TRUE(t.prompter.boxes().isEmpty());
}

TEST(MapListFile, AMissingListAsksForANewScan)
{
    test::TestContext t;
    EXPECT_FALSE(LoadAvailableMaps(t.context).has_value());
    EXPECT_EQ(t.prompter.boxes(),
        test::Boxes {
            test::warningBox(u"Unable to locate Fortwright Map List, please run a new Map Scan        "_s) });

    test::writeBytes(t.dataFile(u"Main.efr"_s), {});
    EXPECT_EQ(LoadAvailableMaps(t.context)->countText(), u"0 Maps available"_s);
}

TEST(MapListFile, ALargeListReadsTheSameWhereverItsLinesAndLineEndsFallInTheReading)
{
    // A first line whose CR is the 65,536th byte, one far longer than that, then thousands of
    // lines with every kind of line end and a code-page byte, the last without an end.
    QList<MapEntry> written { { "a.pk3", "first", "first", QByteArray(65535 - 28, 'x'), "objective" },
        { "a.pk3", "long", "long", QByteArray(200000, 'y'), "ffa team round" } };
    for (int i = 0; i < 5000; ++i)
        written.append({ u"b%1.pk3"_s.arg(i / 7), u"m%1"_s.arg(i), u"m%1"_s.arg(i),
            i % 3 ? u"\u20ac %1"_s.arg(i) : u"m%1"_s.arg(i), i % 2 ? kObjectiveGameTypes : u"tdm"_s });
    QByteArray bytes;
    const char* ends[] = { "\r\n", "\n", "\r", "\r\n\r\n" };
    for (qsizetype i = 0; i < written.size(); ++i)
        bytes += toAnsi(written[i].line()) + (i + 1 < written.size() ? ends[i % 4] : "");
    ASSERT_EQ(bytes.indexOf('\r'), 65535);
    test::TestContext t;
    test::writeBytes(t.dataFile(u"Main.efr"_s), bytes);

    const MapCatalogue catalogue = readMapList(t.dataFile(u"Main.efr"_s));
    EXPECT_EQ(catalogue.entries(), written);
    EXPECT_EQ(catalogue.countText(), u"5002 Maps available"_s);
}

TEST(MapNameIndex, FindsWhatASearchInCatalogueOrderFinds)
{
    const QStringList names { "Bunker", "bunker", "bunker", "Stalag", "\u212Aeep", "caf\u00C9", "STRASSE",
        "\U00010400ld", "mohdm1" };
    QList<MapEntry> entries;
    for (qsizetype i = 0; i < names.size(); ++i)
        entries.append({ u"a%1.pk3"_s.arg(i), names[i], names[i], names[i], QString() });
    const MapCatalogue catalogue(entries);
    // The search the index stands in for: the exact spelling first, then ignoring case.
    const auto searched = [&](const QString& name) -> const MapEntry* {
        for (Qt::CaseSensitivity cs : { Qt::CaseSensitive, Qt::CaseInsensitive })
            for (const MapEntry& entry : catalogue.entries())
                if (entry.mapName.compare(name, cs) == 0)
                    return &entry;
        return nullptr;
    };
    const MapNameIndex index(catalogue);
    for (const QString& name : names
            + QStringList { "BUNKER", "stalag", "\u017Ftalag", "keep", "KEEP", "caf\u00E9", "stra\u00DFe",
                "\U00010428LD", "MOHDM1", "nosuchmap", "" }) {
        const MapEntry* found = index.find(name);
        EXPECT_EQ(found, searched(name)) << name.toStdString();
    }
}
