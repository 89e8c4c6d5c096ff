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

// Native servers: a process started to outlive the program, fed through a FIFO, its output
// appended to a log.

// Makes the FIFO the server reads its commands from (a file of another kind at that path is
// replaced). False, with the reason, when it cannot.
bool makeCommandFifo(const QString& path, QString* error);
// Starts program with arguments as a child in a session of its own, in workingDir, with every
// signal at its default: standard input is the FIFO, opened for reading and writing so that the
// server never sees the end of its input while writers come and go; standard output and error
// are appended to the log, so nothing breaks when the program goes. The PID, or 0 with the reason.
qint64 spawnDetached(const QString& program, const QStringList& arguments, const QString& workingDir,
    const QString& inputFifo, const QString& logPath, QString* error);
// Writes bytes into the FIFO without blocking; false when no server holds it open.
bool writeToFifo(const QString& fifoPath, const QByteArray& bytes);

// What became of a process: still running, ended (reaped here, with how), or not a child of this
// process (judge it by processStartTime).
struct ProcessEnd {
    enum class State { Running, Ended, NotAChild } state = State::NotAChild;
    int exitStatus = -1; // when it exited
    int signal = 0; // when a signal ended it
};
ProcessEnd reapIfEnded(qint64 pid);
// The process's start time as the system counts it, which tells it from a later process given
// the same PID; nothing when no such process lives.
std::optional<quint64> processStartTime(qint64 pid);
// Asks the process to end (SIGTERM), or ends it outright (SIGKILL).
void terminateProcess(qint64 pid);
void killProcess(qint64 pid);
// Whether a server's "Received signal N" names a stop that was asked for (SIGTERM, SIGINT)
// rather than a crash.
bool isRequestedStopSignal(int signal);

// The size of an open file now, which a log that is being appended to or truncated changes; -1
// when it cannot be told.
qint64 currentSize(ReadHandle& handle);

// The console: whether a handle is a terminal, and up to length bytes of standard input (0 at its
// end or on a failure).
bool isTerminal(int handle);
qint64 readStandardInput(char* into, qint64 length);

// Lets the C library read the local time zone once instead of at each time conversion.
void cacheLocalTimeZone();

// The crash filter: see InstallExceptionHandler.
void installCrashFilter(const QString& errorLogPath, const Clock& clock);
void uninstallCrashFilter();
bool crashFilterInstalled();

} // namespace os
} // namespace fw
