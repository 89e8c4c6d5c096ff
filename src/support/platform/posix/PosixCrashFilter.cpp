#include "support/errors/ExceptionNames.h"
#include "support/platform/Clock.h"
#include "support/platform/OperatingSystem.h"

#include <QDateTime>
#include <QFile>
#include <array>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <ucontext.h>
#include <unistd.h>

namespace fw {

quint32 posixFaultCode(int signal, int signalCode) noexcept
{
    switch (signal) {
    case SIGBUS:
        return signalCode == BUS_ADRALN ? ExceptionCode::DataTypeMisalignment : ExceptionCode::InPageError;
    case SIGILL:
        return signalCode == ILL_PRVOPC || signalCode == ILL_PRVREG ? ExceptionCode::PrivilegedInstruction
                                                                    : ExceptionCode::IllegalInstruction;
    case SIGTRAP:
        return signalCode == TRAP_TRACE ? ExceptionCode::SingleStep : ExceptionCode::Breakpoint;
    case SIGFPE:
        switch (signalCode) {
        case FPE_INTDIV:
            return ExceptionCode::IntegerDivideByZero;
        case FPE_INTOVF:
            return ExceptionCode::IntegerOverflow;
        case FPE_FLTDIV:
            return ExceptionCode::FloatDivideByZero;
        case FPE_FLTOVF:
            return ExceptionCode::FloatOverflow;
        case FPE_FLTUND:
            return ExceptionCode::FloatUnderflow;
        case FPE_FLTRES:
            return ExceptionCode::FloatInexactResult;
        case FPE_FLTSUB:
            return ExceptionCode::ArrayBoundsExceeded;
        default:
            return ExceptionCode::FloatInvalidOperation;
        }
    default:
        return ExceptionCode::AccessViolation;
    }
}

namespace os {
namespace {

constexpr std::array<int, 5> kSignals { SIGSEGV, SIGFPE, SIGILL, SIGBUS, SIGTRAP };

// A signal handler can only reach process-wide state; everything it needs is prepared here at
// install time, so the handler itself only formats into a fixed buffer and writes.
struct Prepared {
    bool installed = false;
    std::array<char, 4096> logPath {};
    long long wallOffset = 0; // local wall-clock seconds minus the system's seconds
    const char* stackLow = nullptr; // lowest address of the main thread's stack, with its guard below
    std::array<struct sigaction, kSignals.size()> previous {};
    stack_t previousAltStack {};
};
Prepared g_prepared;
alignas(16) char g_altStack[64 * 1024];

class SignalSafeText {
public:
    void add(const char* text)
    {
        while (*text && m_size < m_text.size())
            m_text[m_size++] = *text++;
    }
    void number(long long value, int width)
    {
        std::array<char, 24> digits {};
        int count = 0;
        unsigned long long rest = value < 0 ? 0ull - static_cast<unsigned long long>(value) : value;
        do {
            digits[count++] = char('0' + rest % 10);
            rest /= 10;
        } while (rest && count < int(digits.size()));
        if (value < 0)
            add("-");
        for (int i = count; i < width; ++i)
            add("0");
        while (count > 0 && m_size < m_text.size())
            m_text[m_size++] = digits[--count];
    }
    const char* data() const { return m_text.data(); }
    std::size_t size() const { return m_size; }

private:
    std::array<char, 512> m_text {};
    std::size_t m_size = 0;
};

// "MM/dd/yyyy HH:mm:ss" of a count of seconds, without the C library's time-zone locks.
void addStamp(SignalSafeText& text, long long seconds)
{
    long long days = seconds / 86400;
    long long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    // Days since 1970-01-01 to a civil date (the proleptic Gregorian calendar).
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    text.number(month, 2);
    text.add("/");
    text.number(day, 2);
    text.add("/");
    text.number(year, 4);
    text.add(" ");
    text.number(rest / 3600, 2);
    text.add(":");
    text.number(rest / 60 % 60, 2);
    text.add(":");
    text.number(rest % 60, 2);
}

// A fault close to the stack pointer, or just below the main stack's lowest page, is the stack
// running out rather than a stray pointer.
bool isStackOverflow(const void* address, const void* context)
{
    const char* at = static_cast<const char*>(address);
    const char* stackPointer = nullptr;
#if defined(__x86_64__)
    stackPointer
        = reinterpret_cast<const char*>(static_cast<const ucontext_t*>(context)->uc_mcontext.gregs[REG_RSP]);
#elif defined(__aarch64__)
    stackPointer = reinterpret_cast<const char*>(static_cast<const ucontext_t*>(context)->uc_mcontext.sp);
#else
    Q_UNUSED(context);
#endif
    constexpr std::ptrdiff_t kNear = 64 * 1024;
    if (stackPointer && at >= stackPointer - kNear && at < stackPointer + kNear)
        return true;
    return g_prepared.stackLow && at >= g_prepared.stackLow - 1024 * 1024 && at < g_prepared.stackLow + kNear;
}

void onFault(int signal, siginfo_t* info, void* context)
{
    quint32 code = posixFaultCode(signal, info ? info->si_code : 0);
    if (signal == SIGSEGV && info && context && isStackOverflow(info->si_addr, context))
        code = ExceptionCode::StackOverflow;
    SignalSafeText entry;
    for (int i = 0; i < 78; ++i)
        entry.add("-");
    entry.add("\r\n---");
    addStamp(entry, static_cast<long long>(time(nullptr)) + g_prepared.wallOffset);
    entry.add("---\r\nError ");
    entry.number(kExceptionErrorNumber, 1);
    entry.add(" in ExceptionHandler:\r\n");
    entry.add(knownExceptionName(code));
    entry.add("\r\n");
    const int fd = open(g_prepared.logPath.data(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd >= 0) {
        [[maybe_unused]] const ssize_t written = write(fd, entry.data(), entry.size());
        close(fd);
    }
    // End the way the signal itself ends a program, so the status (and a core dump) tell the truth.
    struct sigaction fallback { };
    fallback.sa_handler = SIG_DFL;
    sigaction(signal, &fallback, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    raise(signal);
    _exit(128 + signal);
}

const char* mainStackLow()
{
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0)
        return nullptr;
    void* low = nullptr;
    size_t size = 0;
    const bool known = pthread_attr_getstack(&attributes, &low, &size) == 0;
    pthread_attr_destroy(&attributes);
    return known ? static_cast<const char*>(low) : nullptr;
}

} // namespace

void installCrashFilter(const QString& errorLogPath, const Clock& clock)
{
    if (g_prepared.installed)
        return;
    const QByteArray path = QFile::encodeName(errorLogPath);
    if (path.isEmpty() || std::size_t(path.size()) >= g_prepared.logPath.size())
        return;
    std::copy(path.begin(), path.end(), g_prepared.logPath.begin());
    g_prepared.logPath[std::size_t(path.size())] = '\0';
    const QDateTime now = clock.now();
    g_prepared.wallOffset
        = now.toSecsSinceEpoch() + now.offsetFromUtc() - static_cast<long long>(time(nullptr));
    g_prepared.stackLow = mainStackLow();

    // A stack of its own lets the handler run when the fault is the stack running out.
    stack_t altStack {};
    altStack.ss_sp = g_altStack;
    altStack.ss_size = sizeof g_altStack;
    sigaltstack(&altStack, &g_prepared.previousAltStack);

    struct sigaction action { };
    action.sa_sigaction = onFault;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &action, &g_prepared.previous[i]);
    g_prepared.installed = true;
}

void uninstallCrashFilter()
{
    if (!g_prepared.installed)
        return;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &g_prepared.previous[i], nullptr);
    sigaltstack(&g_prepared.previousAltStack, nullptr);
    g_prepared.installed = false;
}

bool crashFilterInstalled()
{
    return g_prepared.installed;
}

} // namespace os
} // namespace fw
