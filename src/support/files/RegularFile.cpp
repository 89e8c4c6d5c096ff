#include "support/files/RegularFile.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace fw {

bool isRegularFile(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat status { };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
#else
    return QFileInfo(path).isFile();
#endif
}

std::optional<FileVersion> regularFileVersion(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat status { };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    // A rename over the file changes its inode, a write its times to the nanosecond.
    return FileVersion { { qint64(status.st_dev), qint64(status.st_ino), qint64(status.st_size),
        qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec,
        qint64(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec } };
#else
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    return FileVersion { { info.size(), info.lastModified().toMSecsSinceEpoch(),
        info.metadataChangeTime().toMSecsSinceEpoch(), 0, 0 } };
#endif
}

bool openRegularFile(QFile& file, QString* failure)
{
    if (!isRegularFile(file.fileName()))
        return false;
    if (file.open(QIODevice::ReadOnly))
        return true;
    if (failure)
        *failure = QStringLiteral("Unable to read %1: %2")
                       .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    return false;
}

} // namespace fw
