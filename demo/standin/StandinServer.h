#pragma once

#include "standin/RconResponder.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTextStream>
#include <QUdpSocket>

namespace fw::demo {

// Stands in for the game's dedicated server: records how it was started in standin-server.log
// in its working folder, shows every datagram that reaches its port and answers rcon and
// getstatus as a real one does (see RconResponder).
class StandinServer : public QObject {
    Q_OBJECT

public:
    StandinServer(QStringList commandLine, QTextStream& out, QTextStream& err);

    // Logs the start and opens the port; false (after saying why) when the port is taken.
    bool start();

    // The value after "+set net_port" on the command line (the last one wins, as the game's
    // console sets it again), 27960 when there is none.
    static quint16 netPort(const QStringList& arguments);

private:
    void readDatagrams();
    // One line to standard output and the log.
    void say(const QString& line);

    QStringList m_commandLine; // the program first
    QTextStream& m_out;
    QTextStream& m_err;
    QString m_logPath;
    QUdpSocket m_socket;
    RconResponder m_rcon;
    QElapsedTimer m_started;
};

} // namespace fw::demo
