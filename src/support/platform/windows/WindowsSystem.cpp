#include "support/platform/OperatingSystem.h"

#include "support/platform/PlatformServices.h"
#include "support/settings/FileRegistryStore.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <io.h>

namespace fw::os {

bool runsWindowsPrograms()
{
    return true;
}

bool openInNotepad(PlatformServices& services, const QString& path)
{
    for (const QString& notepad :
        { QStringLiteral("C:\\Windows\\Notepad.exe"), QStringLiteral("C:\\WINNT\\Notepad.exe") }) {
        if (QFileInfo::exists(notepad)) {
            services.startDetached(notepad, { path }, QString(), nullptr);
            return true;
        }
    }
    return false;
}

bool openWithDesktop(const QString& url)
{
    return QProcess::startDetached(
        QStringLiteral("cmd"), { QStringLiteral("/c"), QStringLiteral("start"), QString(), url });
}

QString defaultGameFolder()
{
    return QStringLiteral("C:\\Program Files\\MOHAA");
}

Qt::CaseSensitivity folderNameCase()
{
    return Qt::CaseInsensitive;
}

std::unique_ptr<RegistryStore> openSettingsStore(const QString& storePath)
{
    // The native registry belongs here. Until it is wired in, Windows keeps the file store too,
    // so the settings behave the same on every system.
    return std::make_unique<FileRegistryStore>(storePath);
}

std::optional<std::array<qint64, 5>> regularFileMarks(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    return std::array<qint64, 5> { info.size(), info.lastModified().toMSecsSinceEpoch(),
        info.metadataChangeTime().toMSecsSinceEpoch(), 0, 0 };
}

struct ReadHandle {
    QFile file;
};

void ReadHandleCloser::operator()(ReadHandle* handle) const
{
    delete handle;
}

OpenReadHandle openForReading(const QString& path, qint64& size, QString& error)
{
    if (!QFileInfo(path).isFile()) {
        error = QFile::exists(path) ? QStringLiteral("not a regular file") : QStringLiteral("No such file");
        return nullptr;
    }
    OpenReadHandle handle(new ReadHandle);
    handle->file.setFileName(path);
    const bool opened = handle->file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    error = handle->file.errorString();
    size = handle->file.size();
    if (!opened)
        return nullptr;
    return handle;
}

qint64 readAt(ReadHandle& handle, char* into, qint64 from, qint64 length)
{
    return handle.file.seek(from) ? std::max<qint64>(handle.file.read(into, length), 0) : 0;
}

qint64 currentSize(ReadHandle& handle)
{
    return handle.file.size();
}

bool isTerminal(int handle)
{
    return handle >= 0 && _isatty(handle);
}

qint64 readStandardInput(char* into, qint64 length)
{
    const int n = _read(0, into, unsigned(length));
    return n > 0 ? n : 0;
}

bool syncFileContents(const QStringList& files)
{
    Q_UNUSED(files);
    return true;
}

void syncFolderEntries(const QStringList& files)
{
    Q_UNUSED(files);
}

void cacheLocalTimeZone()
{
}

} // namespace fw::os
