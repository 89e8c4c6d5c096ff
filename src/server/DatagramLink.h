#pragma once

#include <QByteArray>
#include <QString>

namespace fw {

// Where the server messages go: one remote host and port, one datagram per send. Failures are
// thrown as FortwrightError carrying a Windows Sockets number.
class DatagramLink {
public:
    virtual ~DatagramLink() = default;

    virtual bool isOpen() const = 0;
    virtual void close() = 0;
    // Aims the link at host:port (a name or a dotted address).
    virtual void open(const QString& host, qint32 port) = 0;
    virtual void send(const QByteArray& datagram) = 0;
};

} // namespace fw
