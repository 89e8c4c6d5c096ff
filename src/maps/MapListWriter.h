#pragma once

#include "maps/MapEntry.h"

#include <QFile>

namespace fw {

// Writes the map list line by line, Windows-1252 with CR LF. The file is truncated when the
// writer opens it and every line goes out as it is written, so a scan that fails half-way leaves
// the lines of the archives before the failure in place.
class MapListWriter {
public:
    // Throws FortwrightError 76 when the folder is missing, 75 when the file cannot be opened.
    explicit MapListWriter(const QString& path);

    // Throws FortwrightError 75 when the line cannot be written.
    void write(const MapEntry& entry);
    // Throws FortwrightError 75 when the last lines cannot be flushed.
    void close();
    qsizetype linesWritten() const { return m_lines; }

private:
    [[noreturn]] void fail() const;

    QFile m_file;
    qsizetype m_lines = 0;
};

} // namespace fw
