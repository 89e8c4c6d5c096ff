#include "server/rcon/RconClient.h"

#include "server/UdpDatagramLink.h"
#include "server/rcon/RconRequest.h"
#include "support/errors/FortwrightError.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QUdpSocket>

namespace fw {

namespace {

// A margin over the rate limit's period, so a request that waited for it does not reach the
// server a hair early.
constexpr qint64 kRateSlackMs = 30;

void armOnce(QTimer& timer)
{
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
}

} // namespace

SteadyTime systemSteadyTime()
{
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    // Never 0, so a first request is told apart from none.
    return [started] { return started->elapsed() + 1; };
}

RconClient::RconClient(
    RconTarget target, QString password, RconTimings timings, SteadyTime now, QObject* parent)
    : QObject(parent)
    , m_target(std::move(target))
    , m_password(std::move(password))
    , m_timings(timings)
    , m_now(std::move(now))
{
    for (QTimer* timer : { &m_wait, &m_quiet, &m_timeout })
        armOnce(*timer);
    connect(&m_wait, &QTimer::timeout, this, &RconClient::pump);
    connect(&m_quiet, &QTimer::timeout, this, [this] {
        const QString refusal = refusalMessage(m_reply.text());
        finish(refusal.isEmpty() ? RconReply::Outcome::Answered : RconReply::Outcome::Refused, refusal);
    });
    connect(&m_timeout, &QTimer::timeout, this,
        [this] { finish(RconReply::Outcome::NoAnswer, noAnswerMessage(m_sentTo, m_timings.timeoutMs)); });
}

RconClient::~RconClient() = default;

quint64 RconClient::command(const QString& command)
{
    return enqueue({ ++m_lastId, false, command, commandRefusal(command) });
}

quint64 RconClient::query(const QString& query)
{
    return enqueue({ ++m_lastId, true, query, commandRefusal(query) });
}

quint64 RconClient::enqueue(Job job)
{
    const quint64 id = job.id;
    m_queue.push_back(std::move(job));
    // From the event loop, so every answer comes after the call that asked for it has returned.
    QTimer::singleShot(0, this, &RconClient::pump);
    return id;
}

void RconClient::pump()
{
    if (m_inFlight || m_queue.empty())
        return;
    Job& job = m_queue.front();
    if (!job.refusal.isEmpty()) {
        m_inFlight = true;
        finish(RconReply::Outcome::NotSent, job.refusal);
        return;
    }
    const qint64 now = m_now();
    if (job.sendAt < 0) {
        auto limit = m_limits.find(m_target.address());
        if (limit == m_limits.end())
            limit = m_limits.insert(m_target.address(), RconRateLimit(m_timings.burst, m_timings.periodMs));
        job.sendAt = limit->reserve(now);
    }
    if (job.sendAt > now) {
        m_wait.start(int(job.sendAt - now + kRateSlackMs));
        return;
    }
    transmit(job);
}

void RconClient::transmit(Job& job)
{
    m_inFlight = true;
    m_sentTo = m_target;
    m_reply = ReplyAssembler(job.isQuery);
    const QByteArray datagram = job.isQuery ? queryRequest(m_target.framing, job.request)
                                            : rconRequest(m_target.framing, m_password, job.request);
    try {
        const QHostAddress address = resolveServerHost(m_target.host);
        m_sentAddress = address;
        if (!m_socket || m_socket->localAddress().protocol() != address.protocol()) {
            m_socket = std::make_unique<QUdpSocket>();
            const bool ipv4 = address.protocol() == QAbstractSocket::IPv4Protocol;
            if (!m_socket->bind(ipv4 ? QHostAddress::AnyIPv4 : QHostAddress::AnyIPv6, 0))
                throw FortwrightError(0, QString(), m_socket->errorString());
            connect(m_socket.get(), &QUdpSocket::readyRead, this, &RconClient::readDatagrams);
        }
        if (m_socket->writeDatagram(datagram, address, m_target.port) != datagram.size())
            throw FortwrightError(0, QString(), m_socket->errorString());
    } catch (const FortwrightError& error) {
        finish(RconReply::Outcome::NotSent,
            QStringLiteral("Cannot send to %1: %2").arg(m_target.address(), error.description()));
        return;
    }
    emit sent(job.id);
    m_timeout.start(m_timings.timeoutMs);
}

void RconClient::readDatagrams()
{
    while (m_socket && m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram();
        // Only the server asked may answer; a late datagram after a finished answer is lost.
        if (!m_inFlight || datagram.senderPort() != m_sentTo.port
            || !datagram.senderAddress().isEqual(m_sentAddress, QHostAddress::TolerantConversion))
            continue;
        if (!m_reply.add(datagram.data()))
            continue;
        m_timeout.stop();
        if (m_reply.isComplete()) {
            m_quiet.stop();
            const QString refusal = refusalMessage(m_reply.text());
            finish(refusal.isEmpty() ? RconReply::Outcome::Answered : RconReply::Outcome::Refused, refusal);
            return;
        }
        m_quiet.start(m_timings.quietGapMs);
    }
}

void RconClient::finish(RconReply::Outcome outcome, const QString& message)
{
    m_wait.stop();
    m_quiet.stop();
    m_timeout.stop();
    const Job job = m_queue.front();
    m_queue.pop_front();
    m_inFlight = false;
    RconReply reply;
    reply.id = job.id;
    reply.request = job.request;
    reply.outcome = outcome;
    reply.text = outcome == RconReply::Outcome::NotSent ? QString() : m_reply.text();
    reply.message = message;
    emit answered(reply);
    pump();
}

} // namespace fw
