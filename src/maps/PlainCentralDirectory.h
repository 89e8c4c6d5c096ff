#pragma once

#include "maps/Pk3Entry.h"

#include <QByteArrayView>
#include <QList>
#include <functional>
#include <optional>

namespace fw {

// What a scan needs of an archive: how many entries its central directory lists, and, in entry
// order, every entry that may be a map (its name, blanks aside, ends in "bsp" in any case).
struct ArchiveListing {
    qint64 entryCount = 0;
    QList<Pk3Entry> mapCandidates;
};

// Reads the listing straight from the bytes of a plain archive, the kind nearly every pk3 is: one
// end record closing the file, no zip64 records, names in ASCII, nothing encrypted. Entries that
// cannot be maps cost no allocation. For anything else it gives nothing and decides nothing:
// the caller hands such an archive to the general reader, whose verdict stands.
// read(from, length) gives that span of the archive, or a shorter view when it cannot; the reader
// asks for the final bytes once, and for the central directory when it starts before them.
using ArchiveBytes = std::function<QByteArrayView(qint64 from, qint64 length)>;
std::optional<ArchiveListing> readPlainCentralDirectory(qint64 archiveSize, const ArchiveBytes& read);
// The same for an archive held in memory.
std::optional<ArchiveListing> readPlainCentralDirectory(QByteArrayView archive);

// How many final bytes the reader asks for first (all of a smaller archive).
inline constexpr qint64 kPlainTailSize = 65535 + 22 + 20;

} // namespace fw
