#pragma once

#include "server/rcon/RconRateLimit.h"
#include "server/rcon/RconReply.h"
#include "server/rcon/RconTarget.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

class QUdpSocket;

namespace fw {

// How long the client waits, and the server's rate limit it keeps to.
struct RconTimings {
    // An answer is over when no datagram has come for this long after the last one.
    int quietGapMs = 150;
    // No first datagram within this long: no answer.
    int timeoutMs = 2000;
    int burst = 10;
    int periodMs = 1000;
};

// Milliseconds on a steady scale: the rate limit needs time that never jumps, which the wall
// clock (pinned by SOURCE_DATE_EPOCH for reproducible files) does not give.
using SteadyTime = std::function<qint64()>;
SteadyTime systemSteadyTime();

// The two-way rcon path: commands and queries are queued, sent one at a time within the
// server's rate limit (never dropped), and each ends in one answered() signal, in the order
// they were asked. Replies carry the request as the user typed it, never the password; nothing
// here logs.
class RconClient : public QObject {
    Q_OBJECT

public:
    explicit RconClient(RconTarget target = {}, QString password = {}, RconTimings timings = {},
        SteadyTime now = systemSteadyTime(), QObject* parent = nullptr);
    ~RconClient() override;

    const RconTarget& target() const { return m_target; }
    // Acts on requests sent from now on.
    void setTarget(const RconTarget& target) { m_target = target; }
    void setPassword(const QString& password) { m_password = password; }
    const RconTimings& timings() const { return m_timings; }

    // Queues "rcon <password> <command>"; returns the id its answered() will carry. A command
    // that cannot be sent (a line break) is answered NotSent in its turn.
    quint64 command(const QString& command);
    // Queues a query that needs no password, e.g. getstatus.
    quint64 query(const QString& query = QStringLiteral("getstatus"));
    // Requests asked for and not answered yet.
    int pending() const { return int(m_queue.size()); }

signals:
    // The request left (after any wait the rate limit asked for).
    void sent(quint64 id);
    void answered(const fw::RconReply& reply);

private:
    struct Job {
        quint64 id;
        bool isQuery;
        QString request;
        QString refusal;
        qint64 sendAt = -1;
    };

    quint64 enqueue(Job job);
    void pump();
    void transmit(Job& job);
    void readDatagrams();
    void finish(RconReply::Outcome outcome, const QString& message);

    RconTarget m_target;
    QString m_password;
    RconTimings m_timings;
    SteadyTime m_now;
    quint64 m_lastId = 0;
    std::deque<Job> m_queue;
    bool m_inFlight = false;
    QHash<QString, RconRateLimit> m_limits; // per address
    std::unique_ptr<QUdpSocket> m_socket;
    RconTarget m_sentTo;
    QHostAddress m_sentAddress;
    ReplyAssembler m_reply;
    QTimer m_wait;
    QTimer m_quiet;
    QTimer m_timeout;
};

} // namespace fw
