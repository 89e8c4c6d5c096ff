#include "server/rcon/RconRequest.h"

#include "support/text/AnsiCodec.h"

namespace fw {

namespace {

QByteArray opening(RconFraming framing)
{
    QByteArray bytes(4, '\xff');
    if (framing == RconFraming::Mohaa)
        bytes += '\x02';
    return bytes;
}

} // namespace

QString commandRefusal(const QString& command)
{
    if (command.contains(QLatin1Char('\n')) || command.contains(QLatin1Char('\r')))
        return QStringLiteral("The command holds a line break; the server would read only its first "
                              "line. Send each line as a command of its own.");
    if (command.trimmed().isEmpty())
        return QStringLiteral("The command is empty.");
    return {};
}

QByteArray rconRequest(RconFraming framing, const QString& password, const QString& command)
{
    return opening(framing) + toAnsi(QStringLiteral("rcon ") + password + QLatin1Char(' ') + command);
}

QByteArray queryRequest(RconFraming framing, const QString& query)
{
    return opening(framing) + toAnsi(query);
}

} // namespace fw
