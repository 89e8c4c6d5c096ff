#include "server/UdpDatagramLink.h"

#include "server/QtSocketErrors.h"
#include "support/errors/FortwrightError.h"

#include <QHostInfo>

namespace fw {

QHostAddress serverAddressAmong(const QList<QHostAddress>& addresses, const QString& host)
{
    for (const QHostAddress& address : addresses) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address;
    }
    if (addresses.isEmpty())
        throw socketFailure(WinsockError::HostNotFound, QStringLiteral("Host not found: ") + host);
    return addresses.first();
}

QHostAddress resolveServerHost(const QString& host)
{
    const QHostAddress literal(host);
    if (!literal.isNull())
        return literal;
    return serverAddressAmong(QHostInfo::fromName(host).addresses(), host);
}

void UdpDatagramLink::close()
{
    m_socket.reset();
    m_address.clear();
    m_port = 0;
}

void UdpDatagramLink::open(const QString& host, qint32 port)
{
    close();
    if (port < 1 || port > 65535)
        throw socketFailure(WinsockError::InvalidArgument, QStringLiteral("Invalid port %1").arg(port));
    const QHostAddress address = m_resolve(host);
    auto socket = std::make_unique<QUdpSocket>();
    const bool ipv4 = address.protocol() == QAbstractSocket::IPv4Protocol;
    if (!socket->bind(ipv4 ? QHostAddress::AnyIPv4 : QHostAddress::AnyIPv6, 0))
        throw socketFailure(windowsSocketsNumber(socket->error()), socket->errorString());
    m_socket = std::move(socket);
    m_address = address;
    m_port = quint16(port);
}

void UdpDatagramLink::send(const QByteArray& datagram)
{
    if (!m_socket)
        throw socketFailure(WinsockError::NotConnected, QStringLiteral("The socket is not open"));
    if (m_socket->writeDatagram(datagram, m_address, m_port) != datagram.size())
        throw socketFailure(windowsSocketsNumber(m_socket->error()), m_socket->errorString());
}

} // namespace fw
