#pragma once

#include "server/DatagramLink.h"

#include <QHostAddress>
#include <QUdpSocket>
#include <functional>
#include <memory>

namespace fw {

// Of the addresses a name resolves to, the first IPv4 one (the game server listens on IPv4: a
// dual-stack "localhost" that lists ::1 first must not take the messages away), else the first.
// Throws the host-not-found error for none.
QHostAddress serverAddressAmong(const QList<QHostAddress>& addresses, const QString& host);
// The address a host name stands for: a dotted address as it is, else the one its lookup gives.
QHostAddress resolveServerHost(const QString& host);
// Turns a host name into the address datagrams go to.
using HostResolver = std::function<QHostAddress(const QString& host)>;

// Sends each datagram to the address resolved when the link was opened: a name is looked up once
// per arming, never per datagram. The socket is not connected: the server's replies and ICMP
// notices are never read, and a server that is not up yet does not turn later sends into errors.
class UdpDatagramLink : public DatagramLink {
public:
    explicit UdpDatagramLink(HostResolver resolve = resolveServerHost)
        : m_resolve(std::move(resolve))
    {
    }
    bool isOpen() const override { return m_socket != nullptr; }
    void close() override;
    void open(const QString& host, qint32 port) override;
    void send(const QByteArray& datagram) override;

private:
    HostResolver m_resolve;
    std::unique_ptr<QUdpSocket> m_socket;
    QHostAddress m_address;
    quint16 m_port = 0;
};

} // namespace fw
