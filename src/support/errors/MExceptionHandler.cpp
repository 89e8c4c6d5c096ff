#include "support/errors/MExceptionHandler.h"

#include "support/platform/OperatingSystem.h"

namespace fw {

void InstallExceptionHandler(const QString& errorLogPath, const Clock& clock)
{
    os::installCrashFilter(errorLogPath, clock);
}

void UninstallExceptionHandler()
{
    os::uninstallCrashFilter();
}

bool ExceptionHandlerInstalled()
{
    return os::crashFilterInstalled();
}

} // namespace fw
