// Bytes as the map list (Main.efr): every entry read must be written back as the same line and
// found again by its name; unreadable lines are counted, never fatal.
#include "FuzzKit.h"
#include "maps/MapListFile.h"
#include "maps/MapListWriter.h"
#include "maps/MapNameIndex.h"

using namespace fw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Session& session = fuzz::Session::instance();
    const MapCatalogue read = readMapList(session.put(kMapListFileName, fuzz::bytesOf(data, size)));
    (void)read.groups();
    (void)read.countText();

    const QString again = session.dataFile(QStringLiteral("again.efr"));
    MapListWriter writer(again);
    for (const MapEntry& entry : read.entries())
        writer.write(entry);
    writer.close();
    const MapCatalogue reread = readMapList(again);
    fuzz::check(reread.entries() == read.entries(), "the map list written back reads as the same entries",
        QStringLiteral("%1 entries became %2").arg(read.count()).arg(reread.count()));
    fuzz::check(
        reread.countText() == MapCatalogue::countText(read.count()), "a written list has no unreadable line");

    const MapNameIndex index(read);
    for (const MapEntry& entry : read.entries()) {
        const MapEntry* found = index.find(entry.mapName);
        fuzz::check(found && found->mapName.compare(entry.mapName, Qt::CaseInsensitive) == 0,
            "every listed map is found by its name", entry.mapName);
    }
    return 0;
}
