#include "server/rcon/PlayerCommands.h"

namespace fw {

namespace {

// The server drops a double quote and, outside quotes, everything after "//" and all but one of
// a run of blanks: a text that needs them kept goes in quotes, which the server takes off again.
QString spokenText(QString text)
{
    text.remove(QLatin1Char('"'));
    text = text.trimmed();
    if (text.contains(QLatin1String("//")) || text.contains(QLatin1String("  ")))
        return QLatin1Char('"') + text + QLatin1Char('"');
    return text;
}

QString withReason(QString command, const QString& reason)
{
    const QString said = spokenText(reason);
    if (!said.isEmpty())
        command += QLatin1Char(' ') + said;
    return command;
}

} // namespace

QString kickCommand(int slot, const QString& reason)
{
    return withReason(QStringLiteral("clientkick %1").arg(slot), reason);
}

QString banCommand(const QString& slotOrAddress, const QString& reason)
{
    return withReason(QStringLiteral("banaddr ") + slotOrAddress.trimmed(), reason);
}

QString tellCommand(int slot, const QString& text)
{
    return QStringLiteral("tell %1 ").arg(slot) + spokenText(text);
}

QString sayCommand(const QString& text)
{
    return QStringLiteral("say ") + spokenText(text);
}

} // namespace fw
