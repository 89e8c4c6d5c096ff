#pragma once

#include <QFile>
#include <QString>
#include <array>
#include <optional>

namespace fw {

// Whether path names a regular file (or a link to one). A FIFO, socket or device under a data
// file's name is none: reading it would block forever or never end.
bool isRegularFile(const QString& path);
// Opens the file for reading when it is a regular file; false otherwise, as for a missing one.
// When a regular file is there but cannot be opened, failure (when given) receives
// "Unable to read PATH: REASON" with the system's reason; otherwise it is left empty.
bool openRegularFile(QFile& file, QString* failure = nullptr);

// What tells one content of a file from the next without reading it: the same file written or
// replaced since has another. Nothing for a path that is not a regular file.
struct FileVersion {
    std::array<qint64, 5> marks {};
    bool operator==(const FileVersion&) const = default;
};
std::optional<FileVersion> regularFileVersion(const QString& path);

} // namespace fw
