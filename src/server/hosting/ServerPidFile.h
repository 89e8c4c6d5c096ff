#pragma once

#include "server/hosting/HostCommand.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace fw {

// What the PID file of a hosted server records: the process, when it started (so that a PID
// the system has since given to another program is not taken for the server), and how it was
// started (so that an attached server can be started again after a crash).
struct ServerPidRecord {
    qint64 pid = 0;
    quint64 startTime = 0; // clock ticks after boot, as the system reports it
    HostCommand command;
    quint16 port = 0;
    QDateTime startedAt;
    QDateTime readyAt; // invalid until the server said it is ready
};

// Whether the record names a process that is alive and is the one that was started.
bool recordIsAlive(const ServerPidRecord& record);

std::optional<ServerPidRecord> readPidFile(const QString& path);
// Written whole (a reader never sees half a record); false when it could not be.
bool writePidFile(const QString& path, const ServerPidRecord& record);

} // namespace fw
