#include "support/errors/ExceptionNames.h"
#include "support/errors/MExceptionHandler.h"
#include "support/platform/Clock.h"
#include "testkit/TestContext.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <limits>
#include <sys/resource.h>

TEST(ExceptionNames, TheFaultsTheChildrenBelowDoNotRaiseAndAnUnknownCode)
{
#ifdef Q_OS_UNIX
    EXPECT_STREQ(knownExceptionName(posixFaultCode(SIGBUS, BUS_ADRALN)), "Data Type Misalignment");
    EXPECT_STREQ(knownExceptionName(posixFaultCode(SIGILL, ILL_PRVOPC)), "Privileged Instruction");
    EXPECT_STREQ(knownExceptionName(posixFaultCode(SIGFPE, FPE_FLTDIV)), "Divide By Zero");
#endif
    EXPECT_EQ(exceptionName(0x1Fu), u"Unknown (&H0000001F)"_s);
}

#ifdef Q_OS_UNIX
namespace {

// Each fault runs in a forked child, which shares the fixture's log path: the filter logs the
// fault there and the child ends by the signal.
struct CrashFixture : ::testing::Test {
    QTemporaryDir dir;
    QString log = dir.filePath(u"Fortwright.log"_s);
    test::FakeClock clock { QDateTime(QDate(2026, 12, 5), QTime(14, 3, 9)) };

    void expectEntries(const QStringList& names)
    {
        QString pattern;
        for (const QString& name : names) {
            pattern += u"-{78}\\r\\n---12/05/2026 14:0[3-9]:\\d\\d---\\r\\nError 10000 in "
                       "ExceptionHandler:\\r\\n"_s
                + QRegularExpression::escape(name) + u"\\r\\n"_s;
        }
        const QString text = QString::fromLatin1(test::readBytes(log));
        EXPECT_TRUE(QRegularExpression(u"\\A"_s + pattern + u"\\z"_s).match(text).hasMatch())
            << text.toStdString();
    }
};

// Faults made on purpose: the undefined-behaviour checks of a sanitizer build must let them
// through to the signal.
__attribute__((no_sanitize("undefined"), noinline)) void storeThroughNull()
{
    volatile int* volatile nowhere = nullptr;
    *nowhere = 1;
}

__attribute__((no_sanitize("undefined"), noinline)) void divideByZero()
{
    volatile int zero = 0;
    volatile int dividend = 7;
    volatile int quotient = dividend / zero;
    (void)quotient;
}

int recurse(int depth, int limit)
{
    volatile char frame[1024];
    frame[0] = char(depth);
    return depth >= limit ? 0 : recurse(depth + 1, limit) + frame[0];
}

void overflowTheStack()
{
    // An unlimited stack would take the machine's memory before it ran out.
    rlimit limit {};
    getrlimit(RLIMIT_STACK, &limit);
    if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur > (8u << 20)) {
        limit.rlim_cur = 8u << 20;
        setrlimit(RLIMIT_STACK, &limit);
    }
    volatile int endless = std::numeric_limits<int>::max();
    recurse(0, endless);
}

} // namespace

TEST_F(CrashFixture, FaultsAreLoggedAndEndTheProgramBySignal)
{
    const struct {
        void (*cause)();
        int signal;
        const char* name;
    } faults[]
        = { { storeThroughNull, SIGSEGV, "Access Violation" },
#if defined(__x86_64__) || defined(__i386__)
              { divideByZero, SIGFPE, "Integer Divide By Zero" },
#endif
              { [] { raise(SIGTRAP); }, SIGTRAP, "Breakpoint" },
              { overflowTheStack, SIGSEGV, "Stack Overflow" },
          };
    QStringList names;
    for (const auto& fault : faults) {
        EXPECT_EXIT(
            {
                InstallExceptionHandler(log, clock);
                fault.cause();
            },
            ::testing::KilledBySignal(fault.signal), "")
            << fault.name;
        names << QString::fromLatin1(fault.name);
    }
    expectEntries(names);
}

TEST_F(CrashFixture, UninstallPutsBackWhatWasThere)
{
    struct sigaction before { };
    sigaction(SIGSEGV, nullptr, &before);
    InstallExceptionHandler(log, clock);
    InstallExceptionHandler(dir.filePath(u"other.log"_s), clock);
    UninstallExceptionHandler();
    struct sigaction after { };
    sigaction(SIGSEGV, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
    EXPECT_EXIT(
        {
            InstallExceptionHandler(log, clock);
            UninstallExceptionHandler();
            raise(SIGTRAP);
        },
        ::testing::KilledBySignal(SIGTRAP), "");
    EXPECT_FALSE(QFile::exists(log)) << "nothing is logged once the filter is gone";
}
#endif
