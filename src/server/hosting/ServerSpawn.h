#pragma once

#include "server/hosting/HostCommand.h"

#include <QString>

namespace fw {

// Makes the FIFO the server reads its commands from (a file of another kind at that path is
// replaced). False, with the reason, when it cannot.
bool makeCommandFifo(const QString& path, QString* error);

// Starts the command as a child in a session of its own, in its working folder, with every
// signal at its default: standard input is the FIFO, opened for reading and writing so that the
// server never sees the end of its input while writers come and go; standard output and error
// are appended to the log, so nothing breaks when Fortwright goes. The PID, or 0 with the reason.
qint64 spawnServer(
    const HostCommand& command, const QString& fifoPath, const QString& logPath, QString* error);

// Writes one line into the FIFO without blocking; false when no server holds it open.
bool writeToFifo(const QString& fifoPath, const QByteArray& bytes);

} // namespace fw
