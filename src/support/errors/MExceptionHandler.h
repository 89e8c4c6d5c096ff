#pragma once

#include <QString>

namespace fw {

class Clock;

// The crash filter. While it is installed, a machine fault (SIGSEGV, SIGFPE, SIGILL, SIGBUS,
// SIGTRAP) appends an entry to the error log in the error report's own form, naming the fault from
// the exception table as error 10000 of "ExceptionHandler", and the program then ends as the
// signal would have ended it. A second install while installed changes nothing.
void InstallExceptionHandler(const QString& errorLogPath, const Clock& clock);
// Puts back the handling that was there before the install.
void UninstallExceptionHandler();
bool ExceptionHandlerInstalled();

} // namespace fw
