// Bytes as a pk3 archive in the game's Main folder: a scan never crashes or hangs on it, and what
// it lists is what it counted, every line naming that archive.
#include "FuzzKit.h"
#include "maps/MapListFile.h"
#include "maps/MapScanner.h"
#include "maps/ScanProgress.h"

#include <QFile>

using namespace fw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Session& session = fuzz::Session::instance();
    const QString archive = session.context().mainFile(QStringLiteral("zzfuzz.pk3"));
    QFile file(archive);
    fuzz::check(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            && file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size),
        "writing the archive");
    file.close();

    SilentScanProgress progress;
    MapScanner scanner(session.context(), progress, [](const QString&, const QString&) {});
    const bool walked = scanner.gbln_ScanMaps(QStringLiteral("Main"));
    const MapCatalogue listed = readMapList(session.dataFile(kMapListFileName));
    fuzz::check(listed.count() == (walked ? scanner.mapsListed() : 0),
        "the map list holds the lines the scan counted, none after a failure",
        QStringLiteral("%1 read, %2 counted").arg(listed.count()).arg(scanner.mapsListed()));
    for (const MapEntry& entry : listed.entries())
        fuzz::check(
            entry.archive == QLatin1String("zzfuzz.pk3"), "every map comes from the archive", entry.line());
    return 0;
}
