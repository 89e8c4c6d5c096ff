#include "server/QtSocketErrors.h"

#include "support/errors/FortwrightError.h"

namespace fw {

qint32 windowsSocketsNumber(QAbstractSocket::SocketError error)
{
    using S = QAbstractSocket;
    switch (error) {
    case S::ConnectionRefusedError:
        return WinsockError::ConnectionRefused;
    case S::RemoteHostClosedError:
        return WinsockError::ConnectionReset;
    case S::HostNotFoundError:
        return WinsockError::HostNotFound;
    case S::SocketAccessError:
        return WinsockError::AccessDenied;
    case S::SocketResourceError:
        return WinsockError::NoBufferSpace;
    case S::SocketTimeoutError:
        return WinsockError::TimedOut;
    case S::DatagramTooLargeError:
        return WinsockError::MessageTooLong;
    case S::AddressInUseError:
        return WinsockError::AddressInUse;
    case S::SocketAddressNotAvailableError:
        return WinsockError::AddressNotAvailable;
    case S::UnsupportedSocketOperationError:
        return WinsockError::AddressFamilyNotSupported;
    case S::UnfinishedSocketOperationError:
        return WinsockError::InProgress;
    case S::OperationError:
        return WinsockError::InvalidOperation;
    default: // network, proxy, TLS and unknown failures
        return WinsockError::NetworkDown;
    }
}

FortwrightError socketFailure(qint32 number, const QString& description)
{
    return FortwrightError(number, kExecutableName, description);
}

} // namespace fw
