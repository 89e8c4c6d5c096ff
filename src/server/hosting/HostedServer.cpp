#include "server/hosting/HostedServer.h"

#include "server/hosting/LogFollower.h"
#include "server/hosting/LogRotation.h"
#include "server/hosting/PortProbe.h"
#include "server/hosting/RestartBackoff.h"
#include "server/hosting/ServerPidFile.h"
#include "support/errors/FortwrightError.h"
#include "support/platform/Clock.h"
#include "support/platform/OperatingSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

namespace fw {
namespace {

const QString kReadyLine = QStringLiteral("------ Server Initialization Complete ------");
const QString kCrashMark = QStringLiteral("Server Shutdown (Received signal ");
constexpr qsizetype kKeptLines = 10000;
constexpr qsizetype kLinesInMessages = 10;
constexpr qint64 kChunkBytes = 256 * 1024;

QString stamp(const QDateTime& when)
{
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// The signal of a "Server Shutdown (Received signal N)" line, 0 for any other line.
int crashSignal(const QString& line)
{
    const qsizetype at = line.indexOf(kCrashMark);
    if (at < 0)
        return 0;
    qsizetype end = at + kCrashMark.size();
    qsizetype digits = end;
    while (digits < line.size() && line.at(digits).isDigit())
        ++digits;
    const int signal = line.mid(end, digits - end).toInt();
    return signal > 0 ? signal : -1;
}

FortwrightError hostingError(const QString& text)
{
    return FortwrightError(RuntimeError::InvalidProcedureCall, kExecutableName, text);
}

} // namespace

HostFiles HostFiles::inDataFolder(const QString& dataDir)
{
    const QDir dir(dataDir);
    return { dir.filePath(QStringLiteral("server.pid")), dir.filePath(QStringLiteral("server.log")),
        dir.filePath(QStringLiteral("server.commands")) };
}

QString statusText(const HostStatus& status)
{
    switch (status.state) {
    case HostState::None:
        return QStringLiteral("not started");
    case HostState::Starting:
        return QStringLiteral("starting since %1 (PID %2)").arg(stamp(status.since)).arg(status.pid);
    case HostState::Running:
        return QStringLiteral("running since %1 (PID %2)").arg(stamp(status.since)).arg(status.pid);
    case HostState::Stopped:
        if (status.signal > 0)
            return QStringLiteral("stopped at %1 (ended by signal %2)")
                .arg(stamp(status.since))
                .arg(status.signal);
        if (status.exitStatus < 0)
            return QStringLiteral(
                "stopped at %1 (exit status unknown: Fortwright did not start this process)")
                .arg(stamp(status.since));
        return QStringLiteral("stopped at %1 (exit status %2)")
            .arg(stamp(status.since))
            .arg(status.exitStatus);
    case HostState::Crashed:
        if (status.signal > 0)
            return QStringLiteral("crashed at %1 (signal %2)").arg(stamp(status.since)).arg(status.signal);
        return QStringLiteral("crashed at %1").arg(stamp(status.since));
    }
    return {};
}

struct HostedServer::Impl {
    Impl(HostedServer& owner, HostFiles files, const Clock& clock)
        : q(owner)
        , files(std::move(files))
        , clock(clock)
        , follower(this->files.logFile)
        , backoff(3, std::chrono::minutes(10))
    {
        poll.setInterval(100);
        QObject::connect(&poll, &QTimer::timeout, &q, [this] { tick(); });
    }

    HostedServer& q;
    HostFiles files;
    const Clock& clock;
    HostLimits limits;
    LogFollower follower;
    RestartBackoff backoff;
    QTimer poll;
    QStringList recent;
    HostStatus status;
    ServerPidRecord record; // the live server's; pid 0 when there is none
    bool ownChild = false; // started by this process, so its exit status can be read
    bool stopRequested = false;
    bool restartOnCrash = false;
    bool moreScheduled = false;

    bool alive() const { return record.pid > 0; }

    void setState(HostState state, int exitStatus = -1, int signal = 0, const QDateTime& at = {})
    {
        status.state = state;
        status.since = at.isValid() ? at : clock.now();
        status.pid = record.pid;
        status.exitStatus = exitStatus;
        status.signal = signal;
        emit q.statusChanged(status);
    }

    void keep(const QStringList& lines)
    {
        recent.append(lines);
        if (recent.size() > kKeptLines)
            recent.remove(0, recent.size() - kKeptLines);
    }

    // One bounded chunk, so that a flood of output never holds the event loop for long; the
    // rest follows at once, after other events had their turn.
    void readLog()
    {
        const QStringList lines = follower.readNew(kChunkBytes);
        if (!lines.isEmpty()) {
            keep(lines);
            for (const QString& line : lines)
                watchLine(line);
            emit q.output(lines);
        }
        if (follower.hasMore()) {
            if (!moreScheduled) {
                moreScheduled = true;
                QTimer::singleShot(0, &q, [this] {
                    moreScheduled = false;
                    readLog();
                });
            }
            return;
        }
        // Only once everything written has been read: what the copy holds is then seen already.
        if (rotateLogIfLarge(files.logFile, limits.logLimit, limits.logFiles))
            follower.restartAtBeginning();
    }

    void readAllLog()
    {
        do
            readLog();
        while (follower.hasMore());
    }

    void watchLine(const QString& line)
    {
        if (!alive())
            return;
        if (status.state == HostState::Starting && line.startsWith(kReadyLine)) {
            setState(HostState::Running);
            record.readyAt = status.since;
            writePidFile(files.pidFile, record);
        } else if (status.state != HostState::Crashed && !stopRequested) {
            // SIGTERM and SIGINT end the server cleanly, with the same shutdown line.
            const int signal = crashSignal(line);
            if (signal != 0 && !os::isRequestedStopSignal(signal))
                setState(HostState::Crashed, -1, signal > 0 ? signal : 0);
        }
    }

    // Whether the server has ended; when it has, its end is recorded.
    bool checkEnded()
    {
        if (!alive())
            return true;
        if (ownChild) {
            const os::ProcessEnd end = os::reapIfEnded(record.pid);
            if (end.state == os::ProcessEnd::State::Running)
                return false;
            if (end.state == os::ProcessEnd::State::Ended) {
                ended(end.exitStatus, end.signal);
                return true;
            }
            ownChild = false; // reaped elsewhere: judge by the process table from now on
        }
        if (recordIsAlive(record))
            return false;
        ended(-1, 0);
        return true;
    }

    void ended(int exitStatus, int signal)
    {
        readAllLog(); // its last words first
        const bool crashed = !stopRequested && (signal > 0 || status.state == HostState::Crashed);
        const int crashSignalSeen = status.state == HostState::Crashed ? status.signal : 0;
        const ServerPidRecord last = record;
        removePidFileOf(last.pid);
        if (crashed)
            setState(HostState::Crashed, exitStatus, crashSignalSeen > 0 ? crashSignalSeen : signal);
        else
            setState(HostState::Stopped, exitStatus, signal);
        record = {};
        status.pid = last.pid;
        ownChild = false;
        stopRequested = false;
        if (crashed && restartOnCrash)
            restartAfterCrash(last);
    }

    // Only while it names this server: a later Fortwright may have started the next one.
    void removePidFileOf(qint64 pid) const
    {
        const std::optional<ServerPidRecord> onDisk = readPidFile(files.pidFile);
        if (!onDisk || onDisk->pid == pid)
            QFile::remove(files.pidFile);
    }

    void restartAfterCrash(const ServerPidRecord& last)
    {
        const QString reason = status.signal > 0 ? QStringLiteral("it crashed (signal %1)").arg(status.signal)
                                                 : QStringLiteral("it crashed");
        if (!backoff.allow(clock.now())) {
            const QString text
                = QStringLiteral("The server crashed again: it was restarted %1 times within %2 minutes, so "
                                 "Fortwright gives up and leaves it stopped.")
                      .arg(backoff.limit())
                      .arg(std::chrono::duration_cast<std::chrono::minutes>(backoff.window()).count());
            appendToLog(text);
            emit q.notice(text);
            return;
        }
        const QString text
            = QStringLiteral("Restarting the server because %1 (restart %2 of at most %3 in %4 minutes).")
                  .arg(reason)
                  .arg(backoff.recentCount(clock.now()))
                  .arg(backoff.limit())
                  .arg(std::chrono::duration_cast<std::chrono::minutes>(backoff.window()).count());
        appendToLog(text);
        emit q.notice(text);
        try {
            launch(last.command, last.port);
        } catch (const FortwrightError& e) {
            emit q.notice(e.description());
        }
    }

    void appendToLog(const QString& text)
    {
        QFile log(files.logFile);
        if (log.open(QIODevice::Append))
            log.write(QStringLiteral("----- Fortwright: %1 -----\n").arg(text).toUtf8());
        log.close();
        readLog();
    }

    QString lastLines() const
    {
        const QStringList tail = recent.mid(qMax<qsizetype>(0, recent.size() - kLinesInMessages));
        if (tail.isEmpty())
            return QStringLiteral("The server printed nothing.");
        return QStringLiteral("Its last output:\n") + tail.join(QLatin1Char('\n'));
    }

    void tick()
    {
        readLog();
        if (!checkEnded())
            return;
        if (!alive() && !stopRequested)
            poll.stop();
    }

    // Starts the command and watches it for the first moments: a server that ends at once is
    // reported here with its last words rather than left for the status to show.
    void launch(const HostCommand& command, quint16 port)
    {
        const QFileInfo program(command.program);
        if (!program.isFile() || !program.isExecutable())
            throw hostingError(QStringLiteral("%1 is not an executable program, so the server cannot start. "
                                              "Check the file and its permissions (chmod +x).")
                                   .arg(QDir::toNativeSeparators(command.program)));
        QString error;
        const QString busy = udpPortBusy(netIpArgument(command.arguments), port);
        if (!busy.isEmpty())
            throw hostingError(busy);
        if (!os::makeCommandFifo(files.commandFifo, &error))
            throw hostingError(error);
        rotateLogIfLarge(files.logFile, limits.logLimit, limits.logFiles);
        follower.skipToEnd();
        {
            QFile log(files.logFile);
            if (log.open(QIODevice::Append))
                log.write(QStringLiteral("----- Fortwright: starting %1 at %2 -----\n")
                              .arg(command.displayText(), stamp(clock.now()))
                              .toUtf8());
        }
        const qint64 pid = os::spawnDetached(
            command.program, command.arguments, command.workingDir, files.commandFifo, files.logFile, &error);
        if (pid <= 0)
            throw hostingError(error);
        record = { pid, os::processStartTime(pid).value_or(0), command, port, clock.now(), {} };
        ownChild = true;
        stopRequested = false;
        writePidFile(files.pidFile, record);
        setState(HostState::Starting);
        poll.start(int(limits.pollInterval.count()));

        const qint64 deadline = QDateTime::currentMSecsSinceEpoch() + limits.earlyExit.count();
        while (QDateTime::currentMSecsSinceEpoch() < deadline) {
            readLog();
            if (checkEnded() || status.state == HostState::Running)
                break;
            QThread::msleep(20);
        }
        if (!alive())
            throw hostingError(QStringLiteral("The server ended as soon as it started (%1).\n%2")
                                   .arg(statusText(status), lastLines()));
    }
};

HostedServer::HostedServer(HostFiles files, const Clock& clock, QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Impl>(*this, std::move(files), clock))
{
}

HostedServer::~HostedServer() = default;

void HostedServer::setLimits(const HostLimits& limits)
{
    d->limits = limits;
    d->backoff = RestartBackoff(limits.restarts, limits.restartWindow);
}

bool HostedServer::attach()
{
    if (d->alive())
        return true;
    const std::optional<ServerPidRecord> record = readPidFile(d->files.pidFile);
    if (!record)
        return false;
    // A child of this very process (a supervisor that went away) can still be reaped here.
    const os::ProcessEnd end = os::reapIfEnded(record->pid);
    const bool child = end.state != os::ProcessEnd::State::NotAChild;
    if (end.state == os::ProcessEnd::State::Ended || !recordIsAlive(*record)) {
        QFile::remove(d->files.pidFile);
        return false;
    }
    d->record = *record;
    d->ownChild = child;
    d->stopRequested = false;
    const QStringList tail = d->follower.tail(kKeptLines);
    d->recent = tail;
    bool ready = false;
    int crashed = 0;
    for (const QString& line : tail) {
        // Only what follows the last start counts.
        if (line.startsWith(QStringLiteral("----- Fortwright: starting "))) {
            ready = false;
            crashed = 0;
        }
        ready = ready || line.startsWith(kReadyLine);
        crashed = crashed != 0 ? crashed : crashSignal(line);
    }
    // A state reached before this Fortwright came dates from when the supervisor then saw it.
    if (crashed != 0)
        d->setState(HostState::Crashed, -1, qMax(crashed, 0));
    else if (ready || record->readyAt.isValid())
        d->setState(HostState::Running, -1, 0, record->readyAt);
    else
        d->setState(HostState::Starting, -1, 0, record->startedAt);
    if (!tail.isEmpty())
        emit output(tail);
    d->poll.start(int(d->limits.pollInterval.count()));
    return true;
}

bool HostedServer::isRunning() const
{
    return d->alive() && (d->ownChild || recordIsAlive(d->record));
}

void HostedServer::start(const HostCommand& command, quint16 port)
{
    if (d->alive() && !d->checkEnded())
        throw hostingError(
            QStringLiteral("The server Fortwright started is already running (PID %1).").arg(d->record.pid));
    d->launch(command, port);
}

void HostedServer::send(const QString& line)
{
    if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
        throw hostingError(QStringLiteral("A server command is one line: it cannot hold a line break."));
    if (!d->alive() || !os::writeToFifo(d->files.commandFifo, line.toUtf8() + '\n'))
        throw hostingError(
            QStringLiteral("The server is not running, so it cannot take the command \"%1\".").arg(line));
}

void HostedServer::stop(std::chrono::milliseconds grace)
{
    if (!d->alive())
        return;
    d->stopRequested = true;
    os::writeToFifo(d->files.commandFifo, "quit\n");
    const qint64 pid = d->record.pid;
    const auto stillThisServer
        = [this, pid] { return d->alive() && d->record.pid == pid && !d->checkEnded(); };
    QTimer::singleShot(grace, this, [this, stillThisServer] {
        if (!stillThisServer())
            return;
        os::terminateProcess(d->record.pid);
        QTimer::singleShot(d->limits.killWait, this, [this, stillThisServer] {
            if (stillThisServer())
                os::killProcess(d->record.pid);
        });
    });
    d->poll.start(int(d->limits.pollInterval.count()));
}

bool HostedServer::stopAndWait(std::chrono::milliseconds grace)
{
    const qint64 pid = d->record.pid;
    stop(grace);
    QElapsedTimer waited;
    waited.start();
    const qint64 limit = (grace + d->limits.killWait).count() + 2000;
    while (d->alive() && d->record.pid == pid && waited.elapsed() < limit) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        d->tick();
        QThread::msleep(10);
    }
    return !(d->alive() && d->record.pid == pid);
}

void HostedServer::setRestartOnCrash(bool on)
{
    d->restartOnCrash = on;
}

HostStatus HostedServer::status() const
{
    return d->status;
}

QStringList HostedServer::recentLines() const
{
    return d->recent;
}

} // namespace fw
