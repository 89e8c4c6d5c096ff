#pragma once

#include "support/errors/WinsockErrors.h"

#include <QAbstractSocket>

namespace fw {

class FortwrightError;

// The Windows Sockets number that stands for a Qt socket error.
qint32 windowsSocketsNumber(QAbstractSocket::SocketError error);

// A socket failure as the one exception type, source the executable.
FortwrightError socketFailure(qint32 number, const QString& description);

} // namespace fw
