#pragma once

#include "server/hosting/HostSettings.h"
#include "server/hosting/HostedServer.h"

#include <QObject>
#include <memory>

class QStatusBar;
class QWidget;

namespace fw {

struct AppContext;
class FrmServerConsole;
class RconSession;
class ServerProfile;

// The window's side of a server Fortwright starts natively: the one supervised server (its traces
// in the data folder), the Server Console tied to it and to the profile's server over rcon, and
// the state line for the main window.
// Nothing here stops the server when the window goes: it outlives Fortwright.
class ServerHosting : public QObject {
    Q_OBJECT
public:
    // The console opens over the main window; its rcon follows the profile.
    ServerHosting(AppContext& ctx, const ServerProfile& profile, QWidget* mainWindow);
    ~ServerHosting() override;

    HostedServer& server() { return m_server; }
    // Follows a server an earlier Fortwright started; its console opens when one is found.
    bool attach();
    void showConsole();
    // The console and its rcon, once it has been opened.
    FrmServerConsole* console() const { return m_console.get(); }
    RconSession* rcon() const { return m_rcon.get(); }
    // "Server: running since 12:00:03 (PID 4242)", as the main window's status bar shows it.
    QString stateText() const;
    // A label in the bar that follows the server's state.
    void showStateIn(QStatusBar& bar);

signals:
    void stateTextChanged(const QString& text);

private:
    void makeConsole();
    void statusChanged(const HostStatus& status);
    void send(const QString& line);

    AppContext& m_context;
    const ServerProfile& m_profile;
    QWidget* m_mainWindow;
    HostSettings m_settings;
    HostedServer m_server;
    // A window of its own, not a child of the main window, so that it stays up when that is minimised.
    std::unique_ptr<FrmServerConsole> m_console;
    std::unique_ptr<RconSession> m_rcon;
};

} // namespace fw
