#pragma once

#include <QtGlobal>

namespace fw {

// The Windows Sockets numbers the messaging reports its failures by; the message table is keyed
// by them, and a socket failure on any system is translated to one of them.
namespace WinsockError {
inline constexpr qint32 InvalidArgument = 10014; // WSAEFAULT
inline constexpr qint32 InProgress = 10036; // WSAEINPROGRESS
inline constexpr qint32 MessageTooLong = 10040; // WSAEMSGSIZE
inline constexpr qint32 InvalidOperation = 10045; // WSAEOPNOTSUPP
inline constexpr qint32 AddressFamilyNotSupported = 10047; // WSAEAFNOSUPPORT
inline constexpr qint32 AddressInUse = 10048; // WSAEADDRINUSE
inline constexpr qint32 AddressNotAvailable = 10049; // WSAEADDRNOTAVAIL
inline constexpr qint32 NetworkDown = 10050; // WSAENETDOWN
inline constexpr qint32 ConnectionReset = 10054; // WSAECONNRESET
inline constexpr qint32 NoBufferSpace = 10055; // WSAENOBUFS
inline constexpr qint32 NotConnected = 10057; // WSAENOTCONN
inline constexpr qint32 TimedOut = 10060; // WSAETIMEDOUT
inline constexpr qint32 ConnectionRefused = 10061; // WSAECONNREFUSED
inline constexpr qint32 AccessDenied = 10013; // WSAEACCES
inline constexpr qint32 HostNotFound = 11001; // WSAHOST_NOT_FOUND
} // namespace WinsockError

} // namespace fw
