#pragma once

#include <QString>
#include <QStringList>

namespace fw {

// The value of the last "+set net_ip ADDRESS" among the arguments; empty for none.
QString netIpArgument(const QStringList& arguments);

// Binds the UDP port the server is to use, as the server will (the address, or every IPv4
// address), and lets it go again. The real server quietly moves to the next free port when its
// own is taken, so a busy port is refused before it starts. Empty when free, else the reason.
QString udpPortBusy(const QString& address, quint16 port);

} // namespace fw
