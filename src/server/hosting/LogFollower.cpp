#include "server/hosting/LogFollower.h"

#include <QFileInfo>

namespace fw {

QStringList splitLogLines(const QByteArray& bytes)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        qsizetype length = end - start;
        if (length > 0 && bytes.at(start + length - 1) == '\r')
            --length;
        lines.append(QString::fromUtf8(bytes.constData() + start, length));
        start = end + 1;
    }
    return lines;
}

LogFollower::LogFollower(QString path)
    : m_path(std::move(path))
{
}

LogFollower::~LogFollower() = default;

bool LogFollower::ensureOpen()
{
    if (!m_file) {
        qint64 size = 0;
        QString error;
        m_file = os::openForReading(m_path, size, error);
    }
    return bool(m_file);
}

qint64 LogFollower::size() const
{
    return QFileInfo(m_path).size();
}

void LogFollower::skipToEnd()
{
    m_offset = size();
    m_partial.clear();
}

void LogFollower::restartAtBeginning()
{
    m_offset = 0;
    m_partial.clear();
}

QStringList LogFollower::tail(qsizetype maxLines)
{
    restartAtBeginning();
    QStringList lines = readNew();
    if (lines.size() > maxLines)
        lines.remove(0, lines.size() - maxLines);
    return lines;
}

QStringList LogFollower::readNew(qint64 maxBytes)
{
    m_more = false;
    if (!ensureOpen())
        return {};
    const qint64 size = os::currentSize(*m_file);
    if (size < 0)
        return {};
    if (size < m_offset)
        restartAtBeginning();
    qint64 available = size - m_offset;
    if (maxBytes >= 0 && available > maxBytes) {
        available = maxBytes;
        m_more = true;
    }
    QByteArray bytes = m_partial;
    m_partial.clear();
    const qsizetype first = bytes.size();
    bytes.resize(first + qsizetype(available));
    const qint64 got = os::readAt(*m_file, bytes.data() + first, m_offset, available);
    bytes.resize(first + got);
    m_offset += got;
    const qsizetype lastBreak = bytes.lastIndexOf('\n');
    if (lastBreak < 0) {
        m_partial = bytes;
        return {};
    }
    m_partial = bytes.mid(lastBreak + 1);
    bytes.truncate(lastBreak + 1);
    return splitLogLines(bytes);
}

} // namespace fw
