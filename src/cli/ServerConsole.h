#pragma once

#include <QByteArray>
#include <QObject>
#include <QTextStream>
#include <memory>

class QSocketNotifier;

namespace fw {
class HostedServer;
}

namespace fw::cli {

// The terminal as a hosted server's console: its output to standard output, what the supervisor
// says (states, restarts) to standard error, and each line of standard input to the server.
class ServerConsole : public QObject {
    Q_OBJECT

public:
    ServerConsole(HostedServer& server, QTextStream& out, QTextStream& err);
    ~ServerConsole() override;

    // Starts passing standard input on; its end stops the reading, never the server.
    void forwardInput();

private:
    void readInput();

    HostedServer& m_server;
    QTextStream& m_out;
    QTextStream& m_err;
    std::unique_ptr<QSocketNotifier> m_input;
    QByteArray m_pending;
};

} // namespace fw::cli
