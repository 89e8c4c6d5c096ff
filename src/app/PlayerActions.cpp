#include "app/PlayerActions.h"

#include "server/rcon/PlayerCommands.h"
#include "support/platform/Prompter.h"

#include <QHostAddress>

namespace fw {
namespace {

QString shownName(const Player& player)
{
    return QStringLiteral("%1 (slot %2)").arg(plainName(player.name).trimmed()).arg(player.slot);
}

std::optional<QString> typed(Prompter& prompter, const QString& question, const QString& title)
{
    return prompter.askText({ question, title, {} });
}

// A message with nothing in it is not sent.
std::optional<QString> saying(const std::optional<QString>& text)
{
    if (!text || text->trimmed().isEmpty())
        return std::nullopt;
    return text;
}

bool goAhead(Prompter& prompter, const QString& question, const QString& command, const QString& title)
{
    // No is the default: Return on a box that appeared under the typing hand kicks nobody.
    return prompter.confirm(question + QStringLiteral("\n\nFortwright sends the rcon command:\n") + command,
        title, MessageIcon::Question, Answer::No);
}

} // namespace

bool canDo(PlayerAction action, const Player* player)
{
    switch (action) {
    case PlayerAction::Kick:
    case PlayerAction::Message:
        return player && player->slot >= 0;
    case PlayerAction::Ban:
        return player && !bannableAddress(*player).isEmpty();
    case PlayerAction::SayToAll:
        return true;
    }
    return false;
}

QString bannableAddress(const Player& player)
{
    QString host = player.address.trimmed();
    // "203.0.113.9:12203"; an IPv6 address comes as "[2001:db8::1]:12203".
    if (host.startsWith(QLatin1Char('[')))
        host = host.mid(1, host.indexOf(QLatin1Char(']')) - 1);
    else if (host.count(QLatin1Char(':')) == 1)
        host = host.section(QLatin1Char(':'), 0, 0);
    const QHostAddress address(host);
    if (address.isNull() || address.isLoopback())
        return {};
    return address.toString();
}

std::optional<QString> playerActionCommand(PlayerAction action, const Player& player, Prompter& prompter)
{
    const QString who = shownName(player);
    switch (action) {
    case PlayerAction::Kick: {
        const QString title = QStringLiteral("Kick Player");
        const std::optional<QString> reason
            = typed(prompter, QStringLiteral("Reason for kicking %1 (optional):").arg(who), title);
        if (!reason)
            return std::nullopt;
        const QString command = kickCommand(player.slot, *reason);
        if (!goAhead(prompter, QStringLiteral("Kick %1 off the server?").arg(who), command, title))
            return std::nullopt;
        return command;
    }
    case PlayerAction::Ban: {
        const QString address = bannableAddress(player);
        const QString command = banCommand(address);
        if (!goAhead(prompter,
                QStringLiteral("Ban %1's address %2? Nobody can join from it until the ban is lifted.")
                    .arg(who, address),
                command, QStringLiteral("Ban Address")))
            return std::nullopt;
        return command;
    }
    case PlayerAction::Message:
        if (const auto text = saying(typed(
                prompter, QStringLiteral("Message to %1 only:").arg(who), QStringLiteral("Private Message"))))
            return tellCommand(player.slot, *text);
        return std::nullopt;
    case PlayerAction::SayToAll:
        if (const auto text = saying(typed(prompter, QStringLiteral("Message to everyone on the server:"),
                QStringLiteral("Say to All"))))
            return sayCommand(*text);
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace fw
