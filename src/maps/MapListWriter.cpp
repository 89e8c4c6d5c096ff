#include "maps/MapListWriter.h"

#include "support/AnsiCodec.h"
#include "support/FortwrightError.h"
#include "support/RegularFile.h"

#include <QDir>
#include <QFileInfo>

namespace fw {

MapListWriter::MapListWriter(const QString& path)
    : m_file(path)
{
    if (!QFileInfo(path).absoluteDir().exists())
        throw FortwrightError(RuntimeError::PathNotFound, kExecutableName,
            QStringLiteral("Path not found: %1").arg(QDir::toNativeSeparators(path)));
    // Opening a FIFO for writing would wait for a reader forever.
    if (QFileInfo::exists(path) && !isRegularFile(path))
        fail();
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail();
}

void MapListWriter::write(const MapEntry& entry)
{
    QByteArray bytes = toAnsi(entry.line());
    bytes.append("\r\n");
    if (m_file.write(bytes) != bytes.size())
        fail();
    ++m_lines;
}

void MapListWriter::close()
{
    if (!m_file.flush())
        fail();
    m_file.close();
}

void MapListWriter::fail() const
{
    throw FortwrightError(RuntimeError::PathFileAccess, kExecutableName,
        QStringLiteral("Path/File access error: %1").arg(QDir::toNativeSeparators(m_file.fileName())));
}

} // namespace fw
