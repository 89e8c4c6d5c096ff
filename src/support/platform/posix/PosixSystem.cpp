#include "support/platform/OperatingSystem.h"

#include "support/platform/PlatformServices.h"
#include "support/settings/FileRegistryStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw::os {

bool runsWindowsPrograms()
{
    return false;
}

bool openInNotepad(PlatformServices& services, const QString& path)
{
    services.openDocument(path);
    return true;
}

bool openWithDesktop(const QString& url)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    return !opener.isEmpty() && QProcess::startDetached(opener, { url });
}

QString defaultGameFolder()
{
    return QDir::homePath() + QStringLiteral("/mohaa");
}

QString gameInstallationRecord()
{
    return QString();
}

Qt::CaseSensitivity folderNameCase()
{
    return Qt::CaseSensitive;
}

std::unique_ptr<RegistryStore> openSettingsStore(const QString& storePath)
{
    return std::make_unique<FileRegistryStore>(storePath);
}

std::optional<std::array<qint64, 5>> regularFileMarks(const QString& path)
{
    struct stat status { };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    // A rename over the file changes its inode, a write its times to the nanosecond.
    return std::array<qint64, 5> { qint64(status.st_dev), qint64(status.st_ino), qint64(status.st_size),
        qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec,
        qint64(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec };
}

struct ReadHandle {
    int descriptor;
};

void ReadHandleCloser::operator()(ReadHandle* handle) const
{
    ::close(handle->descriptor);
    delete handle;
}

OpenReadHandle openForReading(const QString& path, qint64& size, QString& error)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return nullptr;
    }
    OpenReadHandle handle(new ReadHandle { descriptor });
    struct stat status { };
    if (::fstat(descriptor, &status) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return nullptr;
    }
    if (!S_ISREG(status.st_mode)) {
        error = QStringLiteral("not a regular file");
        return nullptr;
    }
    size = status.st_size;
    return handle;
}

qint64 readAt(ReadHandle& handle, char* into, qint64 from, qint64 length)
{
    qint64 got = 0;
    while (got < length) {
        const ssize_t part = ::pread(handle.descriptor, into + got, size_t(length - got), off_t(from + got));
        if (part < 0 && errno == EINTR)
            continue;
        if (part <= 0)
            break;
        got += part;
    }
    return got;
}

qint64 currentSize(ReadHandle& handle)
{
    struct stat status { };
    return ::fstat(handle.descriptor, &status) == 0 ? qint64(status.st_size) : -1;
}

namespace {

bool syncPath(const QString& path, int flags, int (*sync)(int))
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | flags);
    const bool synced = descriptor >= 0 && sync(descriptor) == 0;
    if (descriptor >= 0)
        ::close(descriptor);
    return synced;
}

QSet<QString> foldersOf(const QStringList& files)
{
    QSet<QString> folders;
    for (const QString& file : files)
        folders.insert(QFileInfo(file).absolutePath());
    return folders;
}

} // namespace

// One sync per folder's file system when there are several files, as a sync per file would cost
// each a disk flush.
bool syncFileContents(const QStringList& files)
{
#ifdef Q_OS_LINUX
    if (files.size() > 1) {
        const QSet<QString> folders = foldersOf(files);
        return std::all_of(folders.cbegin(), folders.cend(),
            [](const QString& folder) { return syncPath(folder, O_DIRECTORY, ::syncfs); });
    }
#endif
    return std::all_of(
        files.cbegin(), files.cend(), [](const QString& file) { return syncPath(file, 0, ::fdatasync); });
}

void syncFolderEntries(const QStringList& files)
{
    for (const QString& folder : foldersOf(files))
        syncPath(folder, O_DIRECTORY, ::fsync);
}

void cacheLocalTimeZone()
{
    if (!qEnvironmentVariableIsSet("TZ") && QFileInfo::exists(QStringLiteral("/etc/localtime")))
        qputenv("TZ", ":/etc/localtime");
}

} // namespace fw::os
