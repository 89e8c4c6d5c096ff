#pragma once

#include "maps/Pk3Entry.h"
#include "maps/PlainCentralDirectory.h"

namespace fw {

// Which readers an archive may be read with. The plain reader is tried first because it reads
// a common pk3 several times faster; the general one (libzip) reads, or refuses, everything else.
enum class ArchiveReaders { PlainFirst, GeneralOnly };

// The listing of a pk3 (zip) archive's central directory; nothing else of the file is read.
class Pk3Archive {
public:
    // Throws FortwrightError 53 (file not found) for anything that cannot be opened as an
    // archive: a missing file, an empty or truncated one, or one that is not a zip at all.
    explicit Pk3Archive(const QString& path, ArchiveReaders readers = ArchiveReaders::PlainFirst);

    // libzip turns every entry's DOS time into a time_t with mktime(), and glibc re-reads
    // /etc/localtime on each such call while TZ is unset: a stat per entry that makes a scan
    // several times slower. Naming that same default zone in TZ (":/etc/localtime", which glibc and
    // Qt both read as the system zone) lets it be read once. Call at start-up, before other threads
    // run; nothing changes when TZ is already set or the system has no such file.
    static void cacheLocalTimeZone();

    qint64 count() const { return m_listing.entryCount; }
    // Every entry that may be a map, in entry order; the scan's rules decide which are.
    const QList<Pk3Entry>& mapCandidates() const { return m_listing.mapCandidates; }
    // Whether the plain reader read it (for the readers' own tests).
    bool readPlainly() const { return m_readPlainly; }

private:
    ArchiveListing m_listing;
    bool m_readPlainly = false;
};

} // namespace fw
