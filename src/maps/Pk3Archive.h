#pragma once

#include <QString>
#include <memory>

struct zip;

namespace fw {

// One entry of an archive as the scanner compares it: the file name without its folder, and the
// folder in the "maps\dm\" form (lower case, backslash separators, closing backslash). Both are
// trimmed of surrounding blanks; an entry at the top of the archive has an empty folder.
struct Pk3Entry {
    QString fileName;
    QString folder;

    // Splits an entry path as an archive stores it; either separator is accepted.
    static Pk3Entry fromPath(const QString& entryPath);
};

// Read-only view of a pk3 (zip) archive: only its central directory is read.
class Pk3Archive {
public:
    // Throws FortwrightError 53 (file not found) for anything that cannot be opened as an
    // archive: a missing file, an empty or truncated one, or one that is not a zip at all.
    explicit Pk3Archive(const QString& path);
    ~Pk3Archive();
    Pk3Archive(const Pk3Archive&) = delete;
    Pk3Archive& operator=(const Pk3Archive&) = delete;

    // libzip turns every entry's DOS time into a time_t with mktime(), and glibc re-reads
    // /etc/localtime on each such call while TZ is unset: a stat per entry that makes a scan
    // several times slower. Naming that same default zone in TZ (":/etc/localtime", which glibc and
    // Qt both read as the system zone) lets it be read once. Call at start-up, before other threads
    // run; nothing changes when TZ is already set or the system has no such file.
    static void cacheLocalTimeZone();

    qint64 count() const { return m_count; }
    // The entry at index, counting from 0 to count() - 1.
    Pk3Entry entry(qint64 index) const;

private:
    struct Closer {
        void operator()(zip* archive) const;
    };
    QString m_path;
    std::unique_ptr<zip, Closer> m_zip;
    qint64 m_count = 0;
};

} // namespace fw
