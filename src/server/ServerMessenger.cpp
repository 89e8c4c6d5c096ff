#include "server/ServerMessenger.h"

#include "profile/ServerProfile.h"
#include "server/MessageSettings.h"
#include "server/RconDatagram.h"
#include "server/UdpDatagramLink.h"
#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "support/errors/SocketErrorMessages.h"
#include "support/platform/PlatformServices.h"
#include "support/platform/Prompter.h"

#include <cmath>

namespace fw {

namespace {

// The messages of the sockets table in an exclamation box; anything else to the error report.
// The table's "connection has closed" (0) belongs to the configuration writer only.
void reportMessageError(AppContext& ctx, const FortwrightError& error)
{
    if (error.number() != 0 && hasSocketErrorMessage(error.number()))
        ctx.prompter.warn(socketErrorMessage(error.number()) + kEightBlanks);
    else
        ctx.errors.report(QStringLiteral("::frmMain.tmrServerMessage_Timer(Sub)"), error);
}

} // namespace

ServerMessenger::ServerMessenger(const ServerProfile& profile, AppContext& ctx,
    std::unique_ptr<DatagramLink> link, MessageTiming timing, QObject* parent)
    : QObject(parent)
    , RconHeader(rconHeader())
    , m_profile(profile)
    , m_ctx(ctx)
    , m_link(link ? std::move(link) : std::make_unique<UdpDatagramLink>())
    , m_timing(std::move(timing))
    , m_tick(m_timing.makeTimer())
    , m_pause(m_timing.makeTimer())
{
    m_tick->fired = [this] { tmrServerMessage_Timer(); };
    m_pause->fired = [this] { continueBatch(m_nextLine); };
}

ServerMessenger::~ServerMessenger() = default;

void ServerMessenger::SetServerMessages(const QString& text, const QString& password)
{
    // An empty text holds no line at all, not one empty line.
    MessageLines = text.isEmpty() ? QStringList() : text.split(QStringLiteral("\r\n"));
    MessageLast = int(MessageLines.size()) - 1;
    RconPassword = password.trimmed();
}

void ServerMessenger::StartServerMessages()
{
    const QString password = m_profile.text(field::RconPassword);
    SetServerMessages(m_profile.message, password);
    // Lines of an earlier arming that still wait for their turn are dropped with it.
    m_pause->stop();
    m_batchRunning = false;
    if (m_link->isOpen())
        m_link->close();
    m_link->open(m_ctx.services.computerName(), messagePort(m_profile));
    m_tick->start(m_timing.tickMs, true);
    m_armed = true;
    send(statusDatagram(password));
}

void ServerMessenger::tmrServerMessage_Timer()
{
    // The batch that is under way finishes first; its ticks do not count.
    if (m_batchRunning)
        return;
    ++MessageTicks;
    if (double(MessageTicks) < messagePeriod(m_profile))
        return;
    m_batchRunning = true;
    m_tick->stop();
    try {
        m_batchPauseMs = messagePauseMs(m_profile);
    } catch (const std::exception& e) {
        failBatch(e);
        return;
    }
    continueBatch(0);
}

void ServerMessenger::continueBatch(int index)
{
    for (; index <= MessageLast; ++index) {
        const QString& line = MessageLines.at(index);
        if (line.isEmpty())
            continue;
        try {
            send(messageDatagram(RconHeader, RconPassword, line));
        } catch (const std::exception& e) {
            failBatch(e);
            return;
        }
        m_nextLine = index + 1;
        m_pause->start(int(std::lround(m_batchPauseMs * m_timing.pauseScale)), false);
        return;
    }
    MessageTicks = 0;
    endBatch();
}

void ServerMessenger::failBatch(const std::exception& error)
{
    // The batch counts as running until the box is gone, so no tick starts another meanwhile;
    // the ticks are not reset, so the next tick starts again from the first line.
    reportMessageError(m_ctx, FortwrightError::fromStd(error));
    endBatch();
}

void ServerMessenger::endBatch()
{
    m_batchRunning = false;
    m_tick->start(m_timing.tickMs, true);
}

void ServerMessenger::send(const QByteArray& datagram)
{
    m_link->send(datagram);
    emit datagramSent(datagram);
}

} // namespace fw
