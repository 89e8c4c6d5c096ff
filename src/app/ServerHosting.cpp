#include "app/ServerHosting.h"

#include "app/FrmServerConsole.h"
#include "app/RconSession.h"
#include "support/AppContext.h"
#include "support/errors/FortwrightError.h"

#include <QLabel>
#include <QStatusBar>
#include <QWidget>

namespace fw {
namespace {

bool takesCommands(const HostStatus& status)
{
    return status.state == HostState::Starting || status.state == HostState::Running;
}

QString describe(const std::exception& e)
{
    if (const auto* error = dynamic_cast<const FortwrightError*>(&e))
        return error->description();
    return QString::fromLocal8Bit(e.what());
}

QString stateLine(const HostStatus& status)
{
    return QStringLiteral("Server: ") + statusText(status);
}

} // namespace

ServerHosting::ServerHosting(AppContext& ctx, const ServerProfile& profile, QWidget* mainWindow)
    : m_context(ctx)
    , m_profile(profile)
    , m_mainWindow(mainWindow)
    , m_settings(ctx.settingsStorePath)
    , m_server(HostFiles::inDataFolder(ctx.dataDir), ctx.clock)
{
    m_server.setRestartOnCrash(m_settings.restartOnCrash());
    connect(&m_server, &HostedServer::statusChanged, this, &ServerHosting::statusChanged);
}

ServerHosting::~ServerHosting()
{
    // The console goes first (its rcon before it): its connections reach the server.
    m_rcon.reset();
    m_console.reset();
}

bool ServerHosting::attach()
{
    if (!m_server.attach())
        return false;
    showConsole();
    return true;
}

QString ServerHosting::stateText() const
{
    return stateLine(m_server.status());
}

void ServerHosting::showStateIn(QStatusBar& bar)
{
    auto* label = new QLabel(stateText());
    label->setObjectName(QStringLiteral("lblServerStatus"));
    bar.addPermanentWidget(label);
    connect(this, &ServerHosting::stateTextChanged, label, &QLabel::setText);
}

void ServerHosting::showConsole()
{
    if (!m_console)
        makeConsole();
    m_console->show();
    m_console->raise();
}

void ServerHosting::makeConsole()
{
    m_console = std::make_unique<FrmServerConsole>();
    FrmServerConsole* console = m_console.get();
    if (m_mainWindow)
        console->move(m_mainWindow->frameGeometry().center() - console->rect().center());
    // What came before the window was made, then what follows.
    console->appendOutput(m_server.recentLines());
    const HostStatus status = m_server.status();
    console->showState(statusText(status), takesCommands(status));
    console->setRestartOnCrash(m_settings.restartOnCrash());
    m_rcon = std::make_unique<RconSession>(*console, m_profile, m_context);
    connect(&m_server, &HostedServer::output, console, &FrmServerConsole::appendOutput);
    connect(&m_server, &HostedServer::notice, console, &FrmServerConsole::appendNotice);
    connect(console, &FrmServerConsole::commandEntered, this, &ServerHosting::send);
    connect(console, &FrmServerConsole::stopRequested, this, [this] {
        try {
            m_server.stop();
        } catch (const std::exception& e) {
            m_console->appendNotice(describe(e));
        }
    });
    connect(console, &FrmServerConsole::restartOnCrashChanged, this, [this](bool on) {
        m_settings.setRestartOnCrash(on);
        m_server.setRestartOnCrash(on);
    });
}

void ServerHosting::send(const QString& line)
{
    try {
        m_server.send(line);
    } catch (const std::exception& e) {
        m_console->appendNotice(describe(e));
    }
}

void ServerHosting::statusChanged(const HostStatus& status)
{
    // A server starting (Run, or a restart after a crash) brings its console into view.
    if (status.state == HostState::Starting)
        showConsole();
    if (m_console)
        m_console->showState(statusText(status), takesCommands(status));
    // A server that has just become ready answers now: the console need not wait for its next turn.
    if (status.state == HostState::Running && m_rcon && m_console->isInView())
        m_rcon->refresh();
    emit stateTextChanged(stateLine(status));
}

} // namespace fw
