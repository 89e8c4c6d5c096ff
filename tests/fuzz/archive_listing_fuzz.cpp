// Bytes as a pk3 archive: whatever the plain central-directory reader lists must be what libzip
// lists, entry count and possible maps alike, and it must never read out of bounds or hang.
#include "maps/PlainCentralDirectory.h"

#include <QByteArrayView>
#include <cstdint>
#include <cstdlib>
#include <zip.h>

namespace {

bool isMapCandidate(const fw::Pk3Entry& entry)
{
    return entry.fileName.size() > 4 && entry.fileName.right(3).toLower() == QLatin1String("bsp");
}

QList<fw::Pk3Entry> maps(const QList<fw::Pk3Entry>& entries)
{
    QList<fw::Pk3Entry> out;
    for (const fw::Pk3Entry& entry : entries)
        if (isMapCandidate(entry))
            out.append(entry);
    return out;
}

// libzip tries every end record among the final bytes, earliest first, and may settle on an
// earlier one (an empty directory, say) when the real directory's local headers disagree with it.
// The plain reader, like the game's own reader, takes the record that closes the file; such
// archives are read differently by design and are not compared.
bool hasSeveralEndRecords(const uint8_t* data, size_t size)
{
    const size_t from = size > fw::kPlainTailSize ? size - size_t(fw::kPlainTailSize) : 0;
    int records = 0;
    for (size_t at = from; at + 22 <= size; ++at)
        records += data[at] == 'P' && data[at + 1] == 'K' && data[at + 2] == 5 && data[at + 3] == 6;
    return records > 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<fw::ArchiveListing> plain
        = fw::readPlainCentralDirectory(QByteArrayView(data, qsizetype(size)));
    if (!plain || hasSeveralEndRecords(data, size))
        return 0; // libzip decides such an archive on its own
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(data, size, 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (!archive) {
        if (source)
            zip_source_free(source);
        std::abort(); // the plain reader listed an archive libzip refuses
    }
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count != plain->entryCount)
        std::abort();
    QList<fw::Pk3Entry> listed;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        if (!name)
            std::abort();
        listed.append(fw::Pk3Entry::fromPath(QString::fromUtf8(name)));
    }
    const QList<fw::Pk3Entry> expected = maps(listed);
    const QList<fw::Pk3Entry> found = maps(plain->mapCandidates);
    if (expected.size() != found.size())
        std::abort();
    for (qsizetype i = 0; i < expected.size(); ++i)
        if (expected[i].fileName != found[i].fileName || expected[i].folder != found[i].folder)
            std::abort();
    zip_discard(archive);
    return 0;
}
