#pragma once

#include "cli/ConsolePrompter.h"
#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "support/files/DataFolder.h"
#include "support/platform/Clock.h"
#include "support/platform/PlatformServices.h"

#include <QTextStream>
#include <memory>

namespace fw::cli {

// Raised by a command for a usage error (exit 2) or a failure (exit 1); the text goes to
// standard error.
struct CliFailure {
    int exitCode;
    QString message;
};

// What one run of the command-line tool works with: the streams, the data and game folders,
// and the same services the window hands to the core.
class CliSession {
public:
    CliSession(QTextStream& out, QTextStream& err, const SessionFolders& folders, const QString& gameDir,
        std::unique_ptr<PlatformServices> services = std::make_unique<SystemPlatformServices>());

    QTextStream& out() { return m_out; }
    QTextStream& err() { return m_err; }
    ConsolePrompter& prompter() { return m_prompter; }
    PlatformServices& services() { return *m_services; }
    // The context of the core; its game folder is empty when none was given or stored.
    AppContext& context() { return m_context; }
    // The context, after checking that a game folder is known (exit 1 otherwise).
    AppContext& gameContext();

    // Each on standard error behind "Warning: "; the command goes on.
    void warn(const QStringList& warnings);

    [[noreturn]] static void fail(const QString& message);
    [[noreturn]] static void usage(const QString& message);

private:
    QTextStream& m_out;
    QTextStream& m_err;
    ConsolePrompter m_prompter;
    std::unique_ptr<PlatformServices> m_services;
    Clock m_clock;
    ErrorReporter m_errors;
    AppContext m_context;
};

} // namespace fw::cli
