#pragma once

#include <QString>

namespace fw {

// The number of the error a machine fault becomes.
inline constexpr qint32 kExceptionErrorNumber = 10000;

// Exception codes by their Windows numbers.
namespace ExceptionCode {
inline constexpr quint32 AccessViolation = 0xC0000005u;
inline constexpr quint32 DataTypeMisalignment = 0x80000002u;
inline constexpr quint32 Breakpoint = 0x80000003u;
inline constexpr quint32 SingleStep = 0x80000004u;
inline constexpr quint32 ArrayBoundsExceeded = 0xC000008Cu;
inline constexpr quint32 FloatDivideByZero = 0xC000008Eu;
inline constexpr quint32 FloatInexactResult = 0xC000008Fu;
inline constexpr quint32 FloatInvalidOperation = 0xC0000090u;
inline constexpr quint32 FloatOverflow = 0xC0000091u;
inline constexpr quint32 FloatUnderflow = 0xC0000093u;
inline constexpr quint32 IntegerDivideByZero = 0xC0000094u;
inline constexpr quint32 IntegerOverflow = 0xC0000095u;
inline constexpr quint32 PrivilegedInstruction = 0xC0000096u;
inline constexpr quint32 InPageError = 0xC0000006u;
inline constexpr quint32 IllegalInstruction = 0xC000001Du;
inline constexpr quint32 StackOverflow = 0xC00000FDu;
} // namespace ExceptionCode

// The name of an exception code from the Windows table, or null when the table lacks it. Safe to
// call from a signal handler.
const char* knownExceptionName(quint32 code) noexcept;
// The name, or "Unknown (&H" + eight upper-case hexadecimal digits + ")".
QString exceptionName(quint32 code);

// The exception code that fits a fatal POSIX signal and its si_code best. Signal-safe; only the
// POSIX systems have it.
quint32 posixFaultCode(int signal, int signalCode) noexcept;

} // namespace fw
