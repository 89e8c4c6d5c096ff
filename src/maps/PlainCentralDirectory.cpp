#include "maps/PlainCentralDirectory.h"

#include <cstring>

namespace fw {
namespace {

constexpr qsizetype kEndRecordSize = 22;
constexpr qsizetype kEntryHeaderSize = 46;
constexpr qsizetype kLocatorSize = 20;
constexpr quint32 kUnset16 = 0xFFFF;
constexpr quint32 kUnset32 = 0xFFFFFFFF;
// Far above any real pk3's; a damaged record claiming more is not read into memory here.
constexpr qint64 kLargestPlainDirectory = qint64(64) << 20;

quint32 read16(const uchar* at)
{
    return quint32(at[0]) | quint32(at[1]) << 8;
}
quint32 read32(const uchar* at)
{
    return read16(at) | read16(at + 2) << 16;
}

// The bytes libzip passes through unchanged as ASCII; any other makes it guess an encoding.
bool isPlainText(const uchar* text, qsizetype length)
{
    // Eight bytes at a time while all are printable ASCII (the scan's hottest loop); the first
    // word holding anything else is looked at byte by byte with the rest.
    constexpr quint64 kOnes = 0x0101010101010101ULL;
    constexpr quint64 kHighBits = kOnes * 0x80;
    qsizetype i = 0;
    for (; i + 8 <= length; i += 8) {
        quint64 word;
        std::memcpy(&word, text + i, sizeof word);
        if ((word & kHighBits) != 0 || ((word + kOnes * 0x60) & kHighBits) != kHighBits)
            break;
    }
    for (; i < length; ++i) {
        const uchar c = text[i];
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
            return false;
        if (c >= 0x80)
            return false;
    }
    return true;
}

// A superset of the scan's map test, on raw bytes: the file name's trailing blanks are the
// path's, and "bsp" ends the file name only if it ends the path.
bool mayBeMap(const uchar* name, qsizetype length)
{
    while (length > 0 && (name[length - 1] == ' ' || (name[length - 1] >= '\t' && name[length - 1] <= '\r')))
        --length;
    return length >= 3 && (name[length - 3] | 0x20) == 'b' && (name[length - 2] | 0x20) == 's'
        && (name[length - 1] | 0x20) == 'p';
}

// Well-formed extra fields with none that would change a name or a size (zip64, Unicode path
// and comment, WinZip AES).
bool hasPlainExtraFields(const uchar* field, qsizetype length)
{
    while (length >= 4) {
        const quint32 id = read16(field);
        const qsizetype size = read16(field + 2);
        if (size > length - 4 || id == 0x0001 || id == 0x7075 || id == 0x6375 || id == 0x9901)
            return false;
        field += 4 + size;
        length -= 4 + size;
    }
    return length == 0;
}

// Where the one end record starts, or -1 when there is none or more than one: libzip tries every
// record among the final bytes, and a second one could change its choice.
qsizetype soleEndRecord(const uchar* data, qsizetype size)
{
    qsizetype found = -1;
    for (qsizetype at = 0; at <= size - kEndRecordSize;) {
        const void* hit = std::memchr(data + at, 'P', size_t(size - kEndRecordSize + 1 - at));
        if (!hit)
            break;
        at = static_cast<const uchar*>(hit) - data;
        if (std::memcmp(data + at, "PK\5\6", 4) == 0) {
            if (found >= 0)
                return -1;
            found = at;
        }
        ++at;
    }
    return found;
}

// The entries of a central directory that fills data exactly.
std::optional<ArchiveListing> readEntries(const uchar* data, qsizetype size, quint32 entries)
{
    ArchiveListing listing;
    listing.entryCount = entries;
    qsizetype at = 0;
    for (quint32 i = 0; i < entries; ++i) {
        if (size - at < kEntryHeaderSize)
            return std::nullopt;
        const uchar* entry = data + at;
        const quint32 flags = read16(entry + 8);
        const quint32 method = read16(entry + 10);
        const qsizetype nameLength = read16(entry + 28);
        const qsizetype extraLength = read16(entry + 30);
        const qsizetype commentLength = read16(entry + 32);
        const qsizetype entrySize = kEntryHeaderSize + nameLength + extraLength + commentLength;
        // Encrypted entries, other methods, zip64 sizes, other disks and empty names are rare
        // enough to leave to the general reader.
        if (std::memcmp(entry, "PK\1\2", 4) != 0 || (flags & 0x41) != 0 || (method != 0 && method != 8)
            || read32(entry + 20) == kUnset32 || read32(entry + 24) == kUnset32 || read16(entry + 34) != 0
            || read32(entry + 42) == kUnset32 || nameLength == 0 || entrySize > size - at)
            return std::nullopt;
        const uchar* name = entry + kEntryHeaderSize;
        const uchar* comment = name + nameLength + extraLength;
        if (!isPlainText(name, nameLength) || !hasPlainExtraFields(name + nameLength, extraLength)
            || ((flags & 0x800) != 0 && !isPlainText(comment, commentLength)))
            return std::nullopt;
        if (mayBeMap(name, nameLength))
            listing.mapCandidates.append(
                Pk3Entry::fromPath(QString::fromLatin1(reinterpret_cast<const char*>(name), nameLength)));
        at += entrySize;
    }
    if (at != size)
        return std::nullopt;
    return listing;
}

} // namespace

std::optional<ArchiveListing> readPlainCentralDirectory(qint64 archiveSize, const ArchiveBytes& read)
{
    if (archiveSize < kEndRecordSize)
        return std::nullopt;
    // Nearly every archive ends in a record without a comment. Then the search for a second
    // record covers what is read anyway (the directory and the record), not the file data before
    // it. A record hidden in that data is taken by libzip only when the real directory's local
    // headers disagree with it: the plain reader then reads the directory that closes the file,
    // as the game's own reader does.
    qint64 regionAt = archiveSize - kEndRecordSize;
    QByteArrayView region = read(regionAt, kEndRecordSize);
    if (region.size() != kEndRecordSize)
        return std::nullopt;
    if (!region.startsWith(QByteArrayView("PK\5\6", 4))
        || read16(reinterpret_cast<const uchar*>(region.data()) + 20) != 0) {
        regionAt = archiveSize - std::min(archiveSize, kPlainTailSize);
        region = read(regionAt, archiveSize - regionAt);
        if (region.size() != archiveSize - regionAt)
            return std::nullopt;
    }
    qsizetype endInRegion = soleEndRecord(reinterpret_cast<const uchar*>(region.data()), region.size());
    if (endInRegion < 0)
        return std::nullopt;
    const qint64 endAt = regionAt + endInRegion;
    const auto* end = reinterpret_cast<const uchar*>(region.data()) + endInRegion;
    const quint32 entries = read16(end + 8);
    const qint64 directorySize = read32(end + 12);
    const qint64 directoryAt = read32(end + 16);
    if (read16(end + 20) != archiveSize - endAt - kEndRecordSize || read32(end + 4) != 0
        || read16(end + 10) != entries || entries == kUnset16 || directorySize == kUnset32
        || directoryAt == kUnset32 || directoryAt + directorySize != endAt
        || directorySize > kLargestPlainDirectory)
        return std::nullopt;

    // The directory and the place of a zip64 locator before the record are read together.
    const qint64 neededAt = std::max<qint64>(0, std::min(directoryAt, endAt - kLocatorSize));
    if (neededAt < regionAt) {
        regionAt = neededAt;
        region = read(regionAt, archiveSize - regionAt);
        if (region.size() != archiveSize - regionAt)
            return std::nullopt;
        endInRegion = soleEndRecord(reinterpret_cast<const uchar*>(region.data()), region.size());
        if (endInRegion != endAt - regionAt)
            return std::nullopt;
    }
    const auto* data = reinterpret_cast<const uchar*>(region.data());
    if (endAt - regionAt >= kLocatorSize
        && std::memcmp(data + (endAt - regionAt) - kLocatorSize, "PK\6\7", 4) == 0)
        return std::nullopt;
    return readEntries(data + (directoryAt - regionAt), directorySize, entries);
}

std::optional<ArchiveListing> readPlainCentralDirectory(QByteArrayView archive)
{
    return readPlainCentralDirectory(
        archive.size(), [archive](qint64 from, qint64 length) { return archive.sliced(from, length); });
}

} // namespace fw
