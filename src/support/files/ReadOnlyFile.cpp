#include "support/files/ReadOnlyFile.h"

namespace fw {

ReadOnlyFile::ReadOnlyFile(const QString& path)
    : m_handle(os::openForReading(path, m_size, m_error))
{
}

QByteArrayView ReadOnlyFile::read(qint64 from, qint64 length)
{
    QByteArray& into = m_buffers.emplaceBack(qsizetype(length), Qt::Uninitialized);
    into.truncate(qsizetype(m_handle ? os::readAt(*m_handle, into.data(), from, length) : 0));
    return into;
}

} // namespace fw
