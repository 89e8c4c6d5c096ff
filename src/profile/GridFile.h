#pragma once

#include <QList>
#include <QStringList>

namespace fw {

using GridRows = QList<QStringList>;

// A grid's rows as a list file keeps them: one row per line, cells separated by TAB, CR LF
// after every line; Windows-1252, or UTF-8 behind a byte-order mark when a cell needs more.
class GridFile {
public:
    // Every row with exactly columnCount cells: a short row is padded with empty cells, a long one
    // is cut. A missing file gives no rows; LF or CR line ends are read as well. Throws
    // FortwrightError when an existing file cannot be read.
    static GridRows read(const QString& path, int columnCount);
    // Writes the file whole. A TAB or line break inside a cell would split it, so each becomes a
    // blank. Throws FortwrightError when the file cannot be written.
    static void write(const QString& path, const GridRows& rows);
};

} // namespace fw
