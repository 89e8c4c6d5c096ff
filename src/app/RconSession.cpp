#include "app/RconSession.h"

#include "app/FrmServerConsole.h"
#include "app/PlayerTableView.h"
#include "app/RconTargetBar.h"
#include "app/ServerStatusHeader.h"
#include "server/rcon/GameTypeName.h"
#include "server/rcon/ServerSummary.h"
#include "support/AppContext.h"
#include "support/platform/Clock.h"

namespace fw {
namespace {

const QString kPlayersCommand = QStringLiteral("status");

} // namespace

RconSession::RconSession(FrmServerConsole& console, const ServerProfile& profile, AppContext& ctx,
    RconTimings timings, QObject* parent)
    : QObject(parent)
    , m_console(console)
    , m_profile(profile)
    , m_clock(ctx.clock)
    , m_prompter(ctx.prompter)
    , m_settings(ctx.settingsStorePath)
    , m_client(RconTarget(), QString(), timings)
{
    RconTargetBar& bar = *console.rconTarget();
    bar.setValues(m_settings.host(), m_settings.port(), m_settings.framing(), m_settings.refreshSeconds());
    aim();
    m_refresh.setInterval(m_settings.refreshSeconds() * 1000);
    connect(&m_refresh, &QTimer::timeout, this, &RconSession::refresh);

    connect(&bar, &RconTargetBar::hostChanged, this, [this](const QString& host) {
        m_settings.setHost(host);
        retarget();
    });
    connect(&bar, &RconTargetBar::portChanged, this, [this](quint16 port) {
        m_settings.setPort(port);
        retarget();
    });
    connect(&bar, &RconTargetBar::framingChanged, this, [this](RconFraming framing) {
        m_settings.setFraming(framing);
        retarget();
    });
    connect(&bar, &RconTargetBar::refreshSecondsChanged, this, [this](int seconds) {
        m_settings.setRefreshSeconds(seconds);
        m_refresh.setInterval(seconds * 1000);
    });
    connect(&bar, &RconTargetBar::refreshRequested, this, &RconSession::refresh);
    connect(&console, &FrmServerConsole::rconEntered, this, &RconSession::send);
    connect(&console, &FrmServerConsole::inViewChanged, this, &RconSession::showInView);
    connect(console.players(), &PlayerTableView::actionRequested, this, &RconSession::takeAction);
    connect(&m_client, &RconClient::sent, this, &RconSession::showCommand);
    connect(&m_client, &RconClient::answered, this, &RconSession::answered);
    showInView(console.isInView());
}

void RconSession::showInView(bool inView)
{
    // Nobody looking, nothing asked: a console left open in the background costs the server nothing.
    if (!inView) {
        m_refresh.stop();
        return;
    }
    if (m_refresh.isActive())
        return;
    refresh();
    m_refresh.start();
}

void RconSession::aim()
{
    const RconTarget target = m_settings.targetFor(m_profile);
    // Another server: what the last one said is no longer shown as if it were this one's.
    if (!m_aimed || target != m_client.target()) {
        m_aimed = true;
        m_client.setTarget(target);
        m_lastStatus = {};
        m_console.statusHeader()->showWaiting(target.address());
        m_console.players()->setPlayers({});
    }
    m_client.setPassword(rconPasswordOf(m_profile));
    m_console.rconTarget()->setProfileTarget(rconTargetFor(m_profile));
    m_console.showRconAddress(m_client.target().address());
}

void RconSession::retarget()
{
    if (m_settings.targetFor(m_profile) == m_client.target())
        return;
    // The answers still owed by the last target are no longer this one's to show.
    m_statusId = 0;
    m_playersId = 0;
    refresh();
}

void RconSession::refresh()
{
    // One refresh at a time: a server that does not answer must not pile them up.
    if (m_statusId != 0 || m_playersId != 0)
        return;
    aim();
    m_statusId = m_client.query();
    if (!rconPasswordOf(m_profile).isEmpty())
        m_playersId = m_client.command(kPlayersCommand);
    else
        sayFallback(QStringLiteral("The profile has no Rcon Pass."));
}

void RconSession::send(const QString& command)
{
    aim();
    m_shown.insert(m_client.command(command), command);
}

void RconSession::takeAction(PlayerAction action, const Player& player)
{
    if (const std::optional<QString> command = playerActionCommand(action, player, m_prompter))
        send(*command);
}

void RconSession::answered(const RconReply& reply)
{
    if (reply.id == m_statusId)
        statusAnswered(reply);
    else if (reply.id == m_playersId)
        playersAnswered(reply);
    else if (m_shown.contains(reply.id))
        showReply(reply);
}

void RconSession::showCommand(quint64 id)
{
    const auto command = m_shown.find(id);
    if (command == m_shown.end() || command->isNull())
        return;
    m_console.appendOutput({ QStringLiteral("rcon> ") + *command });
    *command = QString();
}

void RconSession::statusAnswered(const RconReply& reply)
{
    m_statusId = 0;
    ServerStatusHeader& header = *m_console.statusHeader();
    const std::optional<ServerStatus> status = reply.ok() ? parseServerStatus(reply.text) : std::nullopt;
    if (!status) {
        header.showNoAnswer(
            reply.ok() ? QStringLiteral("The answer to getstatus held no status.") : reply.message);
        return;
    }
    m_lastStatus = *status;
    const ServerSummary summary = summaryOf(*status);
    header.showSummary(
        summary, gameTypeName(summary.gameType, m_client.target().framing), timeText(m_clock.now()));
    // Without the password getstatus's players are all there is; with it, rcon status follows.
    if (m_playersId == 0)
        m_console.players()->setPlayers(status->players);
}

void RconSession::playersAnswered(const RconReply& reply)
{
    m_playersId = 0;
    const std::optional<PlayerTable> table = reply.ok() ? parsePlayerTable(reply.text) : std::nullopt;
    if (table) {
        m_console.players()->setPlayers(table->players);
        m_saidFallback = false;
        return;
    }
    m_console.players()->setPlayers(m_lastStatus.players);
    if (reply.outcome != RconReply::Outcome::NoAnswer)
        sayFallback(reply.ok() ? QStringLiteral("rcon status held no player table.")
                               : QStringLiteral("rcon status: ") + reply.message);
}

void RconSession::sayFallback(const QString& why)
{
    if (m_saidFallback)
        return;
    m_saidFallback = true;
    m_console.appendNotice(why
        + QStringLiteral(" The players shown come from getstatus, without slots or addresses, so only Say to "
                         "all works on them."));
}

void RconSession::showReply(const RconReply& reply)
{
    // A command refused before it left was never shown.
    showCommand(reply.id);
    m_shown.remove(reply.id);
    if (!reply.ok()) {
        m_console.appendNotice(reply.message);
        return;
    }
    QString text = reply.text;
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    m_console.appendOutput(
        text.isEmpty() ? QStringList { QStringLiteral("(no output)") } : text.split(QLatin1Char('\n')));
}

} // namespace fw
