#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

namespace fw {

class Clock;
class PlatformServices;
class RegistryStore;

// Everything that differs between Windows and the POSIX systems, and nothing else. Each system has
// its own implementation files, which the build chooses; no other file asks which system it is on.
namespace os {

// Starting programs and opening documents.

// Whether a Windows program starts by itself; elsewhere wine has to start it.
bool runsWindowsPrograms();
// Opens path in Notepad: on Windows when it is at one of its two usual places (false otherwise),
// elsewhere the desktop's default editor stands in for it.
bool openInNotepad(PlatformServices& services, const QString& path);
// Hands a link or a local file to the desktop, without the GUI modules.
bool openWithDesktop(const QString& url);

// The game folder and the settings.

// The folder the game is looked for in when nothing is stored.
QString defaultGameFolder();
// The game's installation folder from its own installation record; empty text when there is none,
// as everywhere but on Windows.
QString gameInstallationRecord();
// Whether folder names differ by case alone.
Qt::CaseSensitivity folderNameCase();
// The store behind the program's settings; storePath names the file store where one is used.
std::unique_ptr<RegistryStore> openSettingsStore(const QString& storePath);

// Files.

// What tells one content of a regular file from the next without reading it; nothing for a path
// that is not a regular file (or a link to one).
std::optional<std::array<qint64, 5>> regularFileMarks(const QString& path);

// A regular file open for reads at chosen offsets.
struct ReadHandle;
struct ReadHandleCloser {
    void operator()(ReadHandle* handle) const;
};
using OpenReadHandle = std::unique_ptr<ReadHandle, ReadHandleCloser>;
// Opens path without blocking on a FIFO or device, which is refused like a missing file. Fills
// size, or error when nothing is opened.
OpenReadHandle openForReading(const QString& path, qint64& size, QString& error);
// Reads up to length bytes from offset from into into; the count read, shorter when the file ends
// first or the read fails.
qint64 readAt(ReadHandle& handle, char* into, qint64 from, qint64 length);

// Makes the written contents of files durable before they are renamed; false when that fails.
bool syncFileContents(const QStringList& files);
// Makes the names in the folders of files durable after the renames.
void syncFolderEntries(const QStringList& files);

// Lets the C library read the local time zone once instead of at each time conversion.
void cacheLocalTimeZone();

// The crash filter: see InstallExceptionHandler.
void installCrashFilter(const QString& errorLogPath, const Clock& clock);
void uninstallCrashFilter();
bool crashFilterInstalled();

} // namespace os
} // namespace fw
