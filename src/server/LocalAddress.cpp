#include "server/LocalAddress.h"

#include "support/platform/Prompter.h"

#include <QHostAddress>
#include <QStringList>

namespace fw {

QString dottedAddress(quint32 ipv4)
{
    QStringList bytes;
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(QString::number((ipv4 >> shift) & 0xff));
    return bytes.join(QLatin1Char('.'));
}

QString GetLocalAddress(Prompter& prompter, const HostLookup& lookup)
{
    const QString name = lookup.hostName();
    if (name.isEmpty()) {
        // No socket-library error number exists for this failure here: 0, written with the
        // leading blank that non-negative numbers get in this message.
        prompter.plain(
            QStringLiteral("Windows Sockets error  0 has occurred. Unable to successfully get Host Name."));
        return {};
    }
    const QHostInfo info = lookup.resolve(name.trimmed());
    for (const QHostAddress& address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return dottedAddress(address.toIPv4Address());
    }
    prompter.plain(
        QStringLiteral("Windows Sockets are not responding. Unable to successfully get Host Name."));
    return {};
}

} // namespace fw
