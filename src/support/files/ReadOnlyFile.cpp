#include "support/files/ReadOnlyFile.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include "support/files/RegularFile.h"
#endif

namespace fw {

#ifdef Q_OS_UNIX

ReadOnlyFile::ReadOnlyFile(const QString& path)
    : m_descriptor(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK))
{
    struct stat status { };
    if (m_descriptor < 0 || ::fstat(m_descriptor, &status) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    if (!S_ISREG(status.st_mode)) {
        m_error = QStringLiteral("not a regular file");
        return;
    }
    m_open = true;
    m_size = status.st_size;
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

QByteArrayView ReadOnlyFile::read(qint64 from, qint64 length)
{
    QByteArray& into = m_buffers.emplaceBack(qsizetype(length), Qt::Uninitialized);
    qint64 got = 0;
    while (m_open && got < length) {
        const ssize_t part
            = ::pread(m_descriptor, into.data() + got, size_t(length - got), off_t(from + got));
        if (part < 0 && errno == EINTR)
            continue;
        if (part <= 0)
            break;
        got += part;
    }
    into.truncate(qsizetype(got));
    return into;
}

#else

ReadOnlyFile::ReadOnlyFile(const QString& path)
    : m_file(path)
{
    if (!isRegularFile(path)) {
        m_error = QFile::exists(path) ? QStringLiteral("not a regular file") : QStringLiteral("No such file");
        return;
    }
    m_open = m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    m_error = m_file.errorString();
    m_size = m_file.size();
}

ReadOnlyFile::~ReadOnlyFile() = default;

QByteArrayView ReadOnlyFile::read(qint64 from, qint64 length)
{
    QByteArray& into = m_buffers.emplaceBack(qsizetype(length), Qt::Uninitialized);
    const qint64 got = m_open && m_file.seek(from) ? m_file.read(into.data(), length) : 0;
    into.truncate(qsizetype(std::max<qint64>(got, 0)));
    return into;
}

#endif

} // namespace fw
