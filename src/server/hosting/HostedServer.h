#pragma once

#include "server/hosting/HostCommand.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <chrono>
#include <memory>

namespace fw {

class Clock;

// Where a hosted server leaves its traces, all in Fortwright's data folder: a PID file, the log
// its output is appended to (rotated), and the FIFO it reads its commands from.
struct HostFiles {
    QString pidFile;
    QString logFile;
    QString commandFifo;

    static HostFiles inDataFolder(const QString& dataDir);
};

// The supervisor's limits; tests make them short.
struct HostLimits {
    int restarts = 3; // restarts after a crash within restartWindow
    std::chrono::milliseconds restartWindow = std::chrono::minutes(10);
    std::chrono::milliseconds earlyExit = std::chrono::seconds(2); // start() waits this long for an early end
    std::chrono::milliseconds killWait = std::chrono::seconds(3); // between SIGTERM and SIGKILL
    std::chrono::milliseconds pollInterval = std::chrono::milliseconds(100);
    qint64 logLimit = 10 * 1024 * 1024; // bytes before the log rotates
    int logFiles = 5; // rotated logs kept beside it
};

enum class HostState { None, Starting, Running, Stopped, Crashed };

struct HostStatus {
    HostState state = HostState::None;
    QDateTime since; // when the state was reached
    qint64 pid = 0;
    int exitStatus = -1; // stopped: the exit status when known
    int signal = 0; // crashed: the signal when known
};

// "starting", "running", "stopped", "crashed" (or "not started"), with the details a user
// needs: "running since 12:00:03 (PID 4242)", "stopped at 12:10:00 (exit status 0)".
QString statusText(const HostStatus& status);

// A native dedicated server started and supervised by Fortwright. The server is its own session
// (no terminal, no Fortwright signal reaches it), reads its commands from a FIFO and writes its
// output to a log file, so it outlives the Fortwright that started it; a later Fortwright attaches
// to it through the PID file and follows the log.
class HostedServer : public QObject {
    Q_OBJECT

public:
    HostedServer(HostFiles files, const Clock& clock, QObject* parent = nullptr);
    ~HostedServer() override; // never stops the server

    // Finds a server an earlier Fortwright started (the PID file checked against the process)
    // and follows it: the log's tail is emitted as output, then what follows. False when none.
    bool attach();

    // Whether a server started by Fortwright is alive (ours or attached).
    bool isRunning() const;

    // Starts the command. Refuses (FortwrightError with a clear message) a program that is not
    // executable, a busy port, a server that is already running, and a server that exits at once;
    // messages about the server's end carry its last output lines.
    void start(const HostCommand& command, quint16 port);

    // Writes one command line to the server's input; a line break in it is refused.
    void send(const QString& line);

    // "quit", then after the grace period SIGTERM, then SIGKILL.
    void stop(std::chrono::milliseconds grace = std::chrono::seconds(10));
    // stop(), then runs the event loop until the server has ended. False when it outlived SIGKILL.
    bool stopAndWait(std::chrono::milliseconds grace = std::chrono::seconds(10));

    // A crash starts the server again, at most 3 times in 10 minutes; then it gives up and says so.
    void setRestartOnCrash(bool on);

    void setLimits(const HostLimits& limits);

    HostStatus status() const;
    // The last lines of output (at most 10,000), oldest first.
    QStringList recentLines() const;

signals:
    void output(const QStringList& lines);
    void statusChanged(const HostStatus& status);
    // A line for the user about supervision itself: a restart and its reason, giving up.
    void notice(const QString& text);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace fw
