#include "support/platform/OperatingSystem.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fw::os {
namespace {

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// Frees the spawn structures however the spawn ends.
struct SpawnSetup {
    posix_spawn_file_actions_t actions {};
    posix_spawnattr_t attributes {};
    SpawnSetup()
    {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSetup()
    {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
};

} // namespace

bool makeCommandFifo(const QString& path, QString* error)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info { };
    if (::lstat(name.constData(), &info) == 0) {
        if (S_ISFIFO(info.st_mode))
            return true;
        ::unlink(name.constData());
    }
    if (::mkfifo(name.constData(), 0600) != 0) {
        *error = QStringLiteral("Cannot make the command channel %1: %2").arg(path, systemError(errno));
        return false;
    }
    return true;
}

qint64 spawnDetached(const QString& program, const QStringList& arguments, const QString& workingDir,
    const QString& inputFifo, const QString& logPath, QString* error)
{
    const int log
        = ::open(QFile::encodeName(logPath).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (log < 0) {
        *error = QStringLiteral("Cannot open the server log %1: %2").arg(logPath, systemError(errno));
        return 0;
    }
    SpawnSetup setup;
    const QByteArray fifo = QFile::encodeName(inputFifo);
    const QByteArray folder = QFile::encodeName(workingDir);
    posix_spawn_file_actions_addopen(&setup.actions, STDIN_FILENO, fifo.constData(), O_RDWR, 0);
    posix_spawn_file_actions_adddup2(&setup.actions, log, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&setup.actions, log, STDERR_FILENO);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 34)
    // Nothing else of the program's (sockets, the display) leaks into the server.
    posix_spawn_file_actions_addclosefrom_np(&setup.actions, STDERR_FILENO + 1);
#endif
    if (!folder.isEmpty())
        posix_spawn_file_actions_addchdir_np(&setup.actions, folder.constData());

    // Ignored signals stay ignored across exec, and the program's mask would be inherited.
    sigset_t defaults;
    sigfillset(&defaults);
    sigdelset(&defaults, SIGKILL);
    sigdelset(&defaults, SIGSTOP);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&setup.attributes, &defaults);
    posix_spawnattr_setsigmask(&setup.attributes, &none);
    posix_spawnattr_setflags(
        &setup.attributes, short(POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK));

    std::vector<QByteArray> words;
    // Resolved before the working folder changes, which happens first in the child.
    words.push_back(QFile::encodeName(QFileInfo(program).absoluteFilePath()));
    for (const QString& argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int failed = posix_spawn(
        &pid, words.front().constData(), &setup.actions, &setup.attributes, argv.data(), environ);
    ::close(log);
    if (failed != 0) {
        *error = QStringLiteral("Cannot start %1: %2").arg(program, systemError(failed));
        return 0;
    }
    return pid;
}

bool writeToFifo(const QString& fifoPath, const QByteArray& bytes)
{
    // Opening for writing without blocking fails when no reader holds the FIFO: no server.
    const int fd = ::open(QFile::encodeName(fifoPath).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += n;
    }
    ::close(fd);
    return written == bytes.size();
}

ProcessEnd reapIfEnded(qint64 pid)
{
    int wstatus = 0;
    const pid_t done = ::waitpid(pid_t(pid), &wstatus, WNOHANG);
    if (done == 0)
        return { ProcessEnd::State::Running };
    if (done != pid_t(pid))
        return {};
    return { ProcessEnd::State::Ended, WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1,
        WIFSIGNALED(wstatus) ? WTERMSIG(wstatus) : 0 };
}

std::optional<quint64> processStartTime(qint64 pid)
{
    if (pid <= 0)
        return std::nullopt;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = stat.readAll();
    // The name (field 2) is in parentheses and may hold blanks or parentheses itself, so the
    // fields are counted from the last ')': the state is field 3, the start time field 22.
    const qsizetype close = text.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    if (fields.size() < 20 || fields.at(0) == "Z" || fields.at(0) == "X")
        return std::nullopt;
    bool ok = false;
    const quint64 start = fields.at(19).toULongLong(&ok);
    return ok ? std::optional<quint64>(start) : std::nullopt;
}

void terminateProcess(qint64 pid)
{
    ::kill(pid_t(pid), SIGTERM);
}

void killProcess(qint64 pid)
{
    ::kill(pid_t(pid), SIGKILL);
}

bool isRequestedStopSignal(int signal)
{
    return signal == SIGTERM || signal == SIGINT;
}

bool isTerminal(int handle)
{
    return handle >= 0 && ::isatty(handle);
}

qint64 readStandardInput(char* into, qint64 length)
{
    ssize_t n = 0;
    do
        n = ::read(STDIN_FILENO, into, size_t(length));
    while (n < 0 && errno == EINTR);
    return n > 0 ? n : 0;
}

} // namespace fw::os
