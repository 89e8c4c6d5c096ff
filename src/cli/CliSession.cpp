#include "cli/CliSession.h"

#include "server/InterruptedSaves.h"
#include "support/files/GameTree.h"
#include "support/files/PathHelpers.h"

namespace fw::cli {

CliSession::CliSession(QTextStream& out, QTextStream& err, const SessionFolders& folders,
    const QString& gameDir, std::unique_ptr<PlatformServices> services)
    : m_out(out)
    , m_err(err)
    , m_prompter(err)
    , m_services(std::move(services))
    , m_errors(folders.dataDir, m_prompter, m_clock)
    , m_context { folders.dataDir, gameDir,
        gameDir.isEmpty() ? QString() : addSlash(gameDir) + mainFolderName(gameDir), m_prompter, *m_services,
        m_clock, m_errors, folders.settingsStore }
{
    removeInterruptedSaves(m_context);
}

AppContext& CliSession::gameContext()
{
    if (m_context.gamePath.isEmpty())
        fail(QStringLiteral("No game folder is known: give one with --game-dir DIR (the folder that holds "
                            "MOHAA_server.exe and Main)."));
    return m_context;
}

void CliSession::warn(const QStringList& warnings)
{
    for (const QString& warning : warnings)
        m_prompter.show({ QStringLiteral("Warning: ") + warning, kAppTitle, MessageIcon::Exclamation });
}

void CliSession::fail(const QString& message)
{
    throw CliFailure { 1, message };
}

void CliSession::usage(const QString& message)
{
    throw CliFailure { 2, message };
}

} // namespace fw::cli
