#pragma once

#include <QString>

namespace fw {

// The message the user sees for a Windows Sockets (or run-time) error number that the
// configuration writer and the rcon sender explain themselves; empty for any other number,
// which goes to the common error report instead. The text carries no trailing blanks.
QString socketErrorMessage(qint32 number);

// True when socketErrorMessage has a text for number.
bool hasSocketErrorMessage(qint32 number);

} // namespace fw
