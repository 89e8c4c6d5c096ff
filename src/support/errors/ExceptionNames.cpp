#include "support/errors/ExceptionNames.h"

#include <array>

namespace fw {
namespace {

struct NamedCode {
    quint32 code;
    const char* name;
};

constexpr std::array<NamedCode, 23> kNames { {
    { ExceptionCode::AccessViolation, "Access Violation" },
    { ExceptionCode::DataTypeMisalignment, "Data Type Misalignment" },
    { ExceptionCode::Breakpoint, "Breakpoint" },
    { ExceptionCode::SingleStep, "Single Step" },
    { ExceptionCode::ArrayBoundsExceeded, "Array Bounds Exceeded" },
    { 0xC000008Du, "Float Denormal Operand" },
    { ExceptionCode::FloatDivideByZero, "Divide By Zero" },
    { ExceptionCode::FloatInexactResult, "Floating Point Inexact Result" },
    { ExceptionCode::FloatInvalidOperation, "Invalid Operation" },
    { ExceptionCode::FloatOverflow, "Float Overflow" },
    { 0xC0000092u, "Float Stack Check" },
    { ExceptionCode::FloatUnderflow, "Float Underflow" },
    { ExceptionCode::IntegerDivideByZero, "Integer Divide By Zero" },
    { ExceptionCode::IntegerOverflow, "Integer Overflow" },
    { ExceptionCode::PrivilegedInstruction, "Privileged Instruction" },
    { ExceptionCode::InPageError, "In Page Error" },
    { ExceptionCode::IllegalInstruction, "Illegal Instruction" },
    { 0xC0000025u, "Non Continuable Exception" },
    { ExceptionCode::StackOverflow, "Stack Overflow" },
    { 0xC0000026u, "Invalid Disposition" },
    { 0x80000001u, "Guard Page Violation" },
    { 0xC0000008u, "Invalid Handle" },
    { 0xC000013Au, "Control-C Exit" },
} };

} // namespace

const char* knownExceptionName(quint32 code) noexcept
{
    for (const NamedCode& entry : kNames) {
        if (entry.code == code)
            return entry.name;
    }
    return nullptr;
}

QString exceptionName(quint32 code)
{
    if (const char* name = knownExceptionName(code))
        return QString::fromLatin1(name);
    return QStringLiteral("Unknown (&H%1)")
        .arg(QString::number(code, 16).toUpper().rightJustified(8, QLatin1Char('0')));
}

} // namespace fw
