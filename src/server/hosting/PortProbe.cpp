#include "server/hosting/PortProbe.h"

#include <QUdpSocket>

namespace fw {

QString netIpArgument(const QStringList& arguments)
{
    QString ip;
    for (qsizetype i = 0; i + 2 < arguments.size(); ++i) {
        if (arguments.at(i).compare(QLatin1String("+set"), Qt::CaseInsensitive) == 0
            && arguments.at(i + 1).compare(QLatin1String("net_ip"), Qt::CaseInsensitive) == 0)
            ip = arguments.at(i + 2);
    }
    return ip;
}

QString udpPortBusy(const QString& address, quint16 port)
{
    const QHostAddress host = address.isEmpty() ? QHostAddress(QHostAddress::AnyIPv4) : QHostAddress(address);
    if (host.isNull())
        return {}; // a name, not an address: the server resolves it and says so itself
    QUdpSocket probe;
    // No address sharing: a server already bound there must make this bind fail.
    if (probe.bind(host, port, QAbstractSocket::DontShareAddress))
        return {};
    return QStringLiteral(
        "UDP port %1 on %2 is already in use (%3), so the server cannot take it: another "
        "server, or another program, is running there. Stop it or choose another Server Port.")
        .arg(port)
        .arg(address.isEmpty() ? QStringLiteral("this computer") : address, probe.errorString());
}

} // namespace fw
