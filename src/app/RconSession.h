#pragma once

#include "app/PlayerActions.h"
#include "server/rcon/RconClient.h"
#include "server/rcon/RconTargetSettings.h"
#include "server/rcon/StatusParsers.h"

#include <QHash>
#include <QObject>
#include <QTimer>

namespace fw {

class Clock;
class FrmServerConsole;
class Prompter;
class ServerProfile;
struct AppContext;

// The Server Console's rcon side: it asks the server for its status (getstatus) and its players
// (rcon status, which needs the password) while the window is in view, sends what the user types
// or chooses as the visible rcon commands, and shows each command and its reply in the output.
// The target is the profile's unless the user changed it (kept in the settings store); the
// password is the profile's, read at each request.
class RconSession : public QObject {
    Q_OBJECT
public:
    RconSession(FrmServerConsole& console, const ServerProfile& profile, AppContext& ctx,
        RconTimings timings = {}, QObject* parent = nullptr);

    RconClient& client() { return m_client; }
    // Asks for the status and the players now (one refresh at a time), e.g. when a server is ready.
    void refresh();

private:
    void showInView(bool inView);
    void aim();
    // A changed target is asked at once, so the user sees whether it answers.
    void retarget();
    void send(const QString& command);
    void takeAction(PlayerAction action, const Player& player);
    void answered(const RconReply& reply);
    void statusAnswered(const RconReply& reply);
    void playersAnswered(const RconReply& reply);
    // Once, until a player table is read again: why the players have no slots.
    void sayFallback(const QString& why);
    void showCommand(quint64 id);
    void showReply(const RconReply& reply);

    FrmServerConsole& m_console;
    const ServerProfile& m_profile;
    const Clock& m_clock;
    Prompter& m_prompter;
    RconTargetSettings m_settings;
    RconClient m_client;
    QTimer m_refresh;
    bool m_aimed = false;
    quint64 m_statusId = 0;
    quint64 m_playersId = 0;
    // The user's commands, which the output shows with their replies, and whether each has been
    // shown yet: a command is shown as it leaves, so that each reply follows its own command.
    QHash<quint64, QString> m_shown;
    ServerStatus m_lastStatus;
    // The table fell back to getstatus's players, which the output has said once.
    bool m_saidFallback = false;
};

} // namespace fw
