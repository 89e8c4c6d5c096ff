#include "maps/ScanRules.h"
#include "maps/Pk3Archive.h"
#include "testkit/QtPrinters.h"
#include "testkit/ZipFixture.h"

#include <QTemporaryDir>

namespace {

// The map lines of an archive holding the given entries.
QStringList customLines(const QStringList& entries)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"custom.pk3"_s);
    test::writeZip(path, entries);
    QStringList lines;
    for (const MapEntry& map : customArchiveMaps(Pk3Archive(path), u"Custom.pk3"_s))
        lines.append(map.line());
    return lines;
}

} // namespace

TEST(ScanRules, ACustomArchiveNeedsOneMapNameLongerThanFive)
{
    EXPECT_EQ(customLines({ "a.bsp", "readme.txt", "maps/dm/" }), QStringList());
    EXPECT_EQ(customLines({ "a.bsp", "arena1.bsp" }),
        QStringList({ "Custom.pk3,a,a,a,", "Custom.pk3,arena1,arena1,arena1," }))
        << "once the archive counts, the short name is listed too, in entry order";
}

TEST(ScanRules, MapsAreNamedUpToTheFirstDotAndTypedByTheirExactFolder)
{
    EXPECT_EQ(customLines({ "maps/dm/test.version2.bsp", "maps/obj/y1.bsp", "MAPS/OBJ/Z1.BSP",
                  "maps/dm/sub/w1.bsp", "maps/x2.bsp", "maps/dm/notes.txt", "maps/dm/bsp", "maps/dm/mapbsp",
                  "maps/obj/bad.bsp.txt", " maps/dm/  spaced.bsp ", "Maps\\DM\\back.bsp" }),
        QStringList({ "Custom.pk3,test,test,test,ffa team round", "Custom.pk3,y1,y1,y1,objective",
            "Custom.pk3,Z1,Z1,Z1,objective", "Custom.pk3,w1,w1,w1,", "Custom.pk3,x2,x2,x2,",
            "Custom.pk3,mapbsp,mapbsp,mapbsp,ffa team round",
            "Custom.pk3,spaced,spaced,spaced,ffa team round", "Custom.pk3,back,back,back,ffa team round" }));
}
