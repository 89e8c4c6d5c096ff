#pragma once

#include <QString>

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

} // namespace fw
