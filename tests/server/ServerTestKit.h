#pragma once

#include "testkit/BuiltPrograms.h"

#include <QByteArray>
#include <QList>
#include <QUdpSocket>
#include <functional>

namespace fw::test {

// Runs the event loop until done() holds or timeoutMs has passed; done() at the end.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000);
// Runs the event loop for ms milliseconds.
void spinEvents(int ms);

// Collects every datagram that reaches a port on 127.0.0.1.
class DatagramCapture {
public:
    DatagramCapture();
    quint16 port() const { return m_socket.localPort(); }
    const QList<QByteArray>& received() const { return m_received; }
    bool waitFor(qsizetype count);

private:
    QUdpSocket m_socket;
    QList<QByteArray> m_received;
};

} // namespace fw::test
