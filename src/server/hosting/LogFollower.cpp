#include "server/hosting/LogFollower.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

LogFollower::~LogFollower()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool LogFollower::ensureOpen()
{
    if (m_fd < 0)
        m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
    return m_fd >= 0;
}

qint64 LogFollower::size() const
{
    struct stat info { };
    if (::stat(QFile::encodeName(m_path).constData(), &info) != 0)
        return 0;
    return info.st_size;
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
    struct stat info { };
    if (::fstat(m_fd, &info) != 0)
        return {};
    if (info.st_size < m_offset)
        restartAtBeginning();
    qint64 available = info.st_size - m_offset;
    if (maxBytes >= 0 && available > maxBytes) {
        available = maxBytes;
        m_more = true;
    }
    QByteArray bytes = m_partial;
    m_partial.clear();
    const qsizetype first = bytes.size();
    bytes.resize(first + qsizetype(available));
    qsizetype got = 0;
    while (first + got < bytes.size()) {
        const ssize_t n = ::pread(
            m_fd, bytes.data() + first + got, size_t(bytes.size() - first - got), off_t(m_offset + got));
        if (n <= 0)
            break;
        got += n;
    }
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
