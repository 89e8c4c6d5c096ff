#include "server/rcon/RconReply.h"

#include "support/text/AnsiCodec.h"

namespace fw {

namespace {

const QByteArray kOutOfBand(4, '\xff');
const QByteArray kPrintHead("print\n");
const QString kBadPassword = QStringLiteral("Bad rconpassword.");
const QString kNoPassword = QStringLiteral("No rconpassword set on the server.");

} // namespace

QString noAnswerMessage(const RconTarget& target, int timeoutMs)
{
    return QStringLiteral("No answer from %1 within %2 s: is the server running, and is the port right?")
        .arg(target.address(), QString::number(timeoutMs / 1000.0));
}

QString refusalMessage(const QString& text)
{
    const QString said = text.trimmed();
    if (said == kBadPassword)
        return QStringLiteral("The server refused the rcon password (%1). It must match the server's "
                              "rconPassword exactly, case included.")
            .arg(kBadPassword);
    if (said == kNoPassword)
        return QStringLiteral("The server has no rcon password (%1), so it takes no rcon commands. Give "
                              "it one (Rcon Pass in the profile) and restart it.")
            .arg(kNoPassword);
    return {};
}

bool ReplyAssembler::add(const QByteArray& datagram)
{
    if (!datagram.startsWith(kOutOfBand))
        return false;
    QByteArrayView body = QByteArrayView(datagram).sliced(kOutOfBand.size());
    if (body.startsWith('\x01'))
        body = body.sliced(1);
    if (body.startsWith(kPrintHead))
        body = body.sliced(kPrintHead.size());
    m_text += fromAnsi(body);
    ++m_count;
    return true;
}

bool ReplyAssembler::isComplete() const
{
    return m_count > 0 && (m_isQuery || !refusalMessage(m_text).isEmpty());
}

} // namespace fw
