#include "maps/Pk3Archive.h"

#include "support/errors/FortwrightError.h"
#include "support/files/ReadOnlyFile.h"
#include "support/platform/OperatingSystem.h"

#include <QDir>
#include <QFile>
#include <memory>
#include <zip.h>

namespace fw {

namespace {

[[noreturn]] void throwNotFound(const QString& path, const QString& reason)
{
    throw FortwrightError(RuntimeError::FileNotFound, kExecutableName,
        QStringLiteral("File not found: %1 (%2)").arg(QDir::toNativeSeparators(path), reason));
}

struct ZipCloser {
    void operator()(zip* archive) const { zip_discard(archive); }
};

ArchiveListing readWithLibzip(const QString& path)
{
    int error = 0;
    const std::unique_ptr<zip, ZipCloser> archive(
        zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error));
    if (!archive) {
        zip_error_t details;
        zip_error_init_with_code(&details, error);
        const QString reason = QString::fromLocal8Bit(zip_error_strerror(&details));
        zip_error_fini(&details);
        throwNotFound(path, reason);
    }
    ArchiveListing listing;
    listing.entryCount = zip_get_num_entries(archive.get(), 0);
    for (qint64 i = 0; i < listing.entryCount; ++i) {
        const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
        if (!name)
            throw FortwrightError(RuntimeError::InternalError, kExecutableName,
                QStringLiteral("Cannot read entry %1 of %2: %3")
                    .arg(i)
                    .arg(
                        QDir::toNativeSeparators(path), QString::fromLocal8Bit(zip_strerror(archive.get()))));
        // Names outside ASCII may end in a Unicode blank, so every entry goes to the rules.
        listing.mapCandidates.append(Pk3Entry::fromPath(QString::fromUtf8(name)));
    }
    return listing;
}

} // namespace

Pk3Archive::Pk3Archive(const QString& path, ArchiveReaders readers)
{
    ReadOnlyFile file(path);
    if (!file.isOpen())
        throwNotFound(path, file.errorString());
    // Some libzip versions open an empty file as a new, empty archive; here it is simply no archive.
    if (file.size() == 0)
        throwNotFound(path, QStringLiteral("empty file"));
    if (readers == ArchiveReaders::PlainFirst) {
        const auto read = [&file](qint64 from, qint64 length) { return file.read(from, length); };
        if (std::optional<ArchiveListing> plain = readPlainCentralDirectory(file.size(), read)) {
            m_listing = std::move(*plain);
            m_readPlainly = true;
            return;
        }
    }
    m_listing = readWithLibzip(path);
}

void Pk3Archive::cacheLocalTimeZone()
{
    os::cacheLocalTimeZone();
}

} // namespace fw
