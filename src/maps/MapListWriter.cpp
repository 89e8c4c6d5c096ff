#include "maps/MapListWriter.h"

#include "support/errors/FortwrightError.h"
#include "support/files/RegularFile.h"
#include "support/files/WholeFileBatch.h"
#include "support/text/AnsiCodec.h"

#include <QDir>
#include <QFileInfo>

namespace fw {

MapListWriter::MapListWriter(const QString& path)
    : m_path(path)
{
    // A FIFO under the list's name is no list to replace.
    if (QFileInfo::exists(path) && !isRegularFile(path))
        fail();
    try {
        m_file = std::make_unique<StagedFile>(path);
    } catch (const FortwrightError& e) {
        if (e.number() == RuntimeError::PathNotFound) // a missing folder says so itself
            throw;
        fail();
    }
}

MapListWriter::~MapListWriter()
{
    if (!m_file->isOpen())
        return;
    try {
        m_file->commit();
    } catch (const FortwrightError&) {
        // Already failing: the error that dropped the writer is the one reported.
    }
}

void MapListWriter::write(const MapEntry& entry)
{
    QByteArray bytes = toAnsi(entry.line());
    bytes.append("\r\n");
    if (!m_file->write(bytes))
        fail();
    ++m_lines;
}

void MapListWriter::close()
{
    try {
        m_file->commit();
    } catch (const FortwrightError&) {
        fail();
    }
}

void MapListWriter::fail() const
{
    throw FortwrightError(RuntimeError::PathFileAccess, kExecutableName,
        QStringLiteral("Path/File access error: %1").arg(QDir::toNativeSeparators(m_path)));
}

} // namespace fw
