#include "standin/StandinServer.h"

#include "server/RconDatagram.h"

#include <QDir>
#include <QFile>
#include <QNetworkDatagram>

namespace fw::demo {

namespace {

constexpr quint16 kDefaultPort = 27960;

// The words of a command line, which may come one per argument or several in one, as a shell
// script passes them.
QStringList commandWords(const QStringList& arguments)
{
    return arguments.join(QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

RconResponder responderFor(const QStringList& commandLine)
{
    std::vector<std::string> words;
    for (const QString& word : commandWords(commandLine))
        words.push_back(word.toStdString());
    std::vector<const char*> argv;
    for (const std::string& word : words)
        argv.push_back(word.c_str());
    return RconResponder::fromCommandLine(int(argv.size()), argv.data());
}

} // namespace

StandinServer::StandinServer(QStringList commandLine, QTextStream& out, QTextStream& err)
    : m_commandLine(std::move(commandLine))
    , m_out(out)
    , m_err(err)
    , m_logPath(QDir::current().filePath(QStringLiteral("standin-server.log")))
    , m_rcon(responderFor(m_commandLine))
{
    m_started.start();
    connect(&m_socket, &QUdpSocket::readyRead, this, &StandinServer::readDatagrams);
}

quint16 StandinServer::netPort(const QStringList& arguments)
{
    const QStringList words = commandWords(arguments);
    quint16 port = kDefaultPort;
    for (qsizetype i = 0; i + 2 < words.size(); ++i) {
        if (words.at(i).compare(QLatin1String("+set"), Qt::CaseInsensitive) != 0
            || words.at(i + 1).compare(QLatin1String("net_port"), Qt::CaseInsensitive) != 0)
            continue;
        bool ok = false;
        const uint value = words.at(i + 2).toUInt(&ok);
        if (ok && value <= 65535)
            port = quint16(value);
    }
    return port;
}

bool StandinServer::start()
{
    say(QStringLiteral("command line: ") + m_commandLine.join(QLatin1Char(' ')));
    say(QStringLiteral("working folder: ") + QDir::toNativeSeparators(QDir::currentPath()));
    const quint16 port = netPort(m_commandLine.mid(1));
    if (!m_socket.bind(QHostAddress::Any, port)) {
        const QString reason
            = QStringLiteral("cannot listen on UDP port %1: %2").arg(port).arg(m_socket.errorString());
        say(reason);
        m_err << reason << Qt::endl;
        return false;
    }
    say(QStringLiteral("listening on UDP port %1").arg(port));
    return true;
}

void StandinServer::readDatagrams()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        QHostAddress sender = datagram.senderAddress();
        // A dual-stack socket reports IPv4 senders in their IPv6-mapped form.
        bool isIpv4 = false;
        const quint32 ipv4 = sender.toIPv4Address(&isIpv4);
        if (isIpv4)
            sender = QHostAddress(ipv4);
        say(QStringLiteral("datagram from %1:%2: %3")
                .arg(sender.toString())
                .arg(datagram.senderPort())
                .arg(readableDatagram(datagram.data())));
        const QByteArray bytes = datagram.data();
        for (const std::string& reply :
            m_rcon.answer(bytes.toStdString(), sender.toString().toStdString(), m_started.elapsed())) {
            m_socket.writeDatagram(
                QByteArray::fromStdString(reply), datagram.senderAddress(), quint16(datagram.senderPort()));
        }
    }
}

void StandinServer::say(const QString& line)
{
    // The log line is in the file before the line is printed, so whoever sees the printed line
    // finds it logged too.
    QFile log(m_logPath);
    if (log.open(QIODevice::Append)) {
        log.write(line.toUtf8() + '\n');
        log.close();
    }
    m_out << line << Qt::endl;
}

} // namespace fw::demo
