#pragma once

#include "server/DatagramLink.h"
#include "server/MessageTimer.h"

#include <QObject>
#include <QStringList>
#include <memory>

namespace fw {

class ServerProfile;
struct AppContext;

// How often the messaging timer ticks, how long the pauses after a line really last, and the
// timers that keep that time. The defaults are the program's; tests shorten the times or run
// the timers on a virtual clock.
struct MessageTiming {
    int tickMs = 65535;
    double pauseScale = 1.0;
    MessageTimerFactory makeTimer = makePreciseMessageTimer;
};

// Posts the message lines to the started server as rcon "say" commands, one batch every period,
// with a pause after each sent line. The tick stands still while a batch is under way and
// starts afresh when it ends, so the next batch comes a whole period after the previous one
// finished. Armed by Run; runs until it is destroyed.
class ServerMessenger : public QObject {
    Q_OBJECT

public:
    // profile is the live one: period and pause are read from it at every tick, the lines and
    // the password at every arming.
    ServerMessenger(const ServerProfile& profile, AppContext& ctx,
        std::unique_ptr<DatagramLink> link = nullptr, MessageTiming timing = {}, QObject* parent = nullptr);
    ~ServerMessenger() override;

    // Takes the lines and password, aims the link at this computer's name and the server port,
    // starts the timer and sends the status command. Failures are thrown to the caller.
    void StartServerMessages();
    // Splits text at every CR LF; the password is kept trimmed for the message datagrams.
    void SetServerMessages(const QString& text, const QString& password);
    // One timer tick: sends a batch when it is due and none is under way.
    void tmrServerMessage_Timer();

    const QByteArray RconHeader;
    const QStringList& messageLines() const { return MessageLines; }
    const QString& rconPassword() const { return RconPassword; }
    qint32 messageTicks() const { return MessageTicks; }
    bool isArmed() const { return m_armed; }
    bool batchRunning() const { return m_batchRunning; }

signals:
    // Every datagram handed to the link, after it went out.
    void datagramSent(const QByteArray& datagram);

private:
    void send(const QByteArray& datagram);
    // Sends the next non-empty line from index on and waits the pause; ends the batch after the
    // last line.
    void continueBatch(int index);
    void failBatch(const std::exception& error);
    void endBatch();

    const ServerProfile& m_profile;
    AppContext& m_ctx;
    std::unique_ptr<DatagramLink> m_link;
    MessageTiming m_timing;
    std::unique_ptr<MessageTimer> m_tick;
    std::unique_ptr<MessageTimer> m_pause;

    QStringList MessageLines;
    int MessageLast = -1;
    QString RconPassword;
    qint32 MessageTicks = 0;

    bool m_armed = false;
    bool m_batchRunning = false;
    int m_nextLine = 0;
    qint32 m_batchPauseMs = 0;
};

} // namespace fw
