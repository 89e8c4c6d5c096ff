#pragma once

#include "cli/CommandRegistry.h"
#include "support/platform/PlatformServices.h"

#include <QStringList>
#include <QTextStream>
#include <memory>

namespace fw::cli {

// Runs fortwright-cli with its arguments (without the program name); returns the exit code:
// 0 success, 1 failure, 2 usage error.
int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err, const CommandList& commands,
    std::unique_ptr<PlatformServices> services = nullptr);

} // namespace fw::cli
