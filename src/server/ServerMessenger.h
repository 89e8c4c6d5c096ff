#pragma once

#include "server/DatagramLink.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>

namespace fw {

class ServerProfile;
struct AppContext;

// How often the messaging timer ticks and how long the pauses after a line really last. The
// defaults are the program's; tests shorten both.
struct MessageTiming {
    int tickMs = 65535;
    double pauseScale = 1.0;
};

// Posts the message lines to the started server as rcon "say" commands, one batch every period,
// with a pause after each sent line. Armed by Run; runs until it is destroyed.
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
    int messageLast() const { return MessageLast; }
    const QString& rconPassword() const { return RconPassword; }
    qint32 messageTicks() const { return MessageTicks; }
    bool isArmed() const { return m_tick.isActive(); }
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

    const ServerProfile& m_profile;
    AppContext& m_ctx;
    std::unique_ptr<DatagramLink> m_link;
    MessageTiming m_timing;
    QTimer m_tick;
    QTimer m_pause;

    QStringList MessageLines;
    int MessageLast = -1;
    QString RconPassword;
    qint32 MessageTicks = 0;

    bool m_batchRunning = false;
    int m_nextLine = 0;
    qint32 m_batchPauseMs = 0;
};

} // namespace fw
