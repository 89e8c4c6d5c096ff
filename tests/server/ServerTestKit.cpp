#include "ServerTestKit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkDatagram>

namespace fw::test {

bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

void spinEvents(int ms)
{
    waitUntil([] { return false; }, ms);
}

DatagramCapture::DatagramCapture()
{
    ensureCoreApplication();
    EXPECT_TRUE(m_socket.bind(QHostAddress::LocalHost, 0)) << m_socket.errorString().toStdString();
    QObject::connect(&m_socket, &QUdpSocket::readyRead, [this] {
        while (m_socket.hasPendingDatagrams())
            m_received.append(m_socket.receiveDatagram().data());
    });
}

bool DatagramCapture::waitFor(qsizetype count)
{
    return waitUntil([&] { return m_received.size() >= count; });
}

} // namespace fw::test
