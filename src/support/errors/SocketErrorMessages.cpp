#include "support/errors/SocketErrorMessages.h"

#include <array>

namespace fw {
namespace {

struct SocketErrorText {
    qint32 number;
    const char* text;
};

constexpr std::array<SocketErrorText, 15> kMessages { {
    { 0, "Connection has closed" },
    { 7, "Out of memory" },
    { 10014, "Invalid Argument, check to make sure the IP and Port is correct" },
    { 10040, "Message sent to to large, please edit your message to a lesser length" },
    { 10043, "Port not supported" },
    { 10048, "Could not connect to server, address in use" },
    { 10049, "Could not connect to server, address not available" },
    { 10053, "Connection has aborted" },
    { 10054, "Could not connect to server, server may be down. Check your IP and Port" },
    { 10056, "You are already connected to the server" },
    { 10058, "Connection has been lost, socket has shutdown" },
    { 10060, "Connection timed out" },
    { 10061, "Connection has been refused" },
    { 11001, "Host not found, unable to connect to server" },
    { 40026, "Wrong Protocol" },
} };

const SocketErrorText* find(qint32 number)
{
    for (const SocketErrorText& entry : kMessages) {
        if (entry.number == number)
            return &entry;
    }
    return nullptr;
}

} // namespace

QString socketErrorMessage(qint32 number)
{
    const SocketErrorText* entry = find(number);
    return entry ? QString::fromLatin1(entry->text) : QString();
}

bool hasSocketErrorMessage(qint32 number)
{
    return find(number) != nullptr;
}

} // namespace fw
