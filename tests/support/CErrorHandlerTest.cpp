#include "support/errors/CErrorHandler.h"
#include "support/platform/Clock.h"
#include "support/text/AnsiCodec.h"
#include "testkit/Raised.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestContext.h"

#include <QLocale>
#include <QTemporaryDir>

namespace {

struct HandlerFixture : ::testing::Test {
    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    test::FakeClock clock { QDateTime(QDate(2026, 12, 5), QTime(14, 3, 9)) };
    CErrorHandler handler { prompter, clock };
    QString errorLog = dir.filePath(QStringLiteral("Error Log.txt"));
    QString traceLog = dir.filePath(QStringLiteral("Tracing Log.txt"));
    QString stamp = QLocale::system().toString(QDate(2026, 12, 5), QLocale::ShortFormat)
        + QStringLiteral(" - ") + timeText(clock.now());
};

} // namespace

TEST_F(HandlerFixture, EachDocumentedErrorNumber)
{
    test::expectNumbers(QStringLiteral("Fortwright.CErrorHandler"),
        {
            { [&] { handler.setTracingFlags(4); }, ErrorHandlerError::InvalidTracingFlags,
                "Invalid tracing flags" },
            { [&] { handler.setErrorHandlerActions(16); }, ErrorHandlerError::InvalidActions,
                "Invalid error handler actions" },
            { [&] { handler.Init(3, QString()); }, ErrorHandlerError::InvalidFileName, "Invalid file name" },
        });
}

TEST_F(HandlerFixture, TracesEnteringAndLeavingIntoTheTracingLog)
{
    handler.Init(3, errorLog, true, true, TracingFlag::LogFile, traceLog);
    handler.CallStackPush(QStringLiteral("FindGame"));
    handler.CallStackPop();
    EXPECT_EQ(test::readBytes(traceLog),
        toAnsi(stamp + QStringLiteral(" --- Entered routine: FindGame\r\n") + stamp
            + QStringLiteral(" --- Exited routine: FindGame\r\n")));

    handler.CallStackPush(QStringLiteral("Sub Main"), QStringLiteral("m"));
    handler.CallStackPush(QStringLiteral("FindGame"), QStringLiteral("f"));
    handler.CallStackPop();
    handler.CallStackPush(QStringLiteral("LoadMaps"), QStringLiteral("l"));
    EXPECT_EQ(handler.callStack(), QStringList({ "LoadMaps(l)", "Sub Main(m)" }))
        << "data leaves with its routine";
}
