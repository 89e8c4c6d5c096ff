#pragma once

#include "maps/MapEntry.h"

#include <memory>

namespace fw {

class StagedFile;

// Writes the map list line by line, Windows-1252 with CR LF. The lines go to a temporary file
// that replaces the list when the writer closes, or when it is dropped after a failure, so a scan
// that fails half-way leaves the lines of the archives before the failure in place, and one that
// is killed leaves the previous list.
class MapListWriter {
public:
    // Throws FortwrightError 76 when the folder is missing, 75 when the file cannot be opened.
    explicit MapListWriter(const QString& path);
    ~MapListWriter();
    MapListWriter(const MapListWriter&) = delete;
    MapListWriter& operator=(const MapListWriter&) = delete;

    // Throws FortwrightError 75 when the line cannot be written.
    void write(const MapEntry& entry);
    // Throws FortwrightError 75 when the last lines cannot be flushed.
    void close();
    qsizetype linesWritten() const { return m_lines; }

private:
    [[noreturn]] void fail() const;

    QString m_path;
    std::unique_ptr<StagedFile> m_file;
    qsizetype m_lines = 0;
};

} // namespace fw
