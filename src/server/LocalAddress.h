#pragma once

#include <QHostInfo>
#include <QString>
#include <functional>

namespace fw {

class Prompter;

// Where the address lookup gets this computer's name and the addresses of a name; tests
// replace both.
struct HostLookup {
    std::function<QString()> hostName = [] { return QHostInfo::localHostName(); };
    std::function<QHostInfo(const QString&)> resolve
        = [](const QString& name) { return QHostInfo::fromName(name); };
};

// This computer's address as "Get Local I.P" finds it: the first IPv4 address of the host
// name, dotted. The empty text after a failure, which has been shown in a plain box. The
// socket library needs no start-up or clean-up here (Qt does both where the system wants it).
QString GetLocalAddress(Prompter& prompter, const HostLookup& lookup = {});

// The bytes of an IPv4 address in network order, each in decimal without leading zeros,
// joined by ".".
QString dottedAddress(quint32 ipv4);

} // namespace fw
