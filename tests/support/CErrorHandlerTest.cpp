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
    QString errorLog = dir.filePath(u"Error Log.txt"_s);
    QString traceLog = dir.filePath(u"Tracing Log.txt"_s);
    QString stamp = QLocale::system().toString(QDate(2026, 12, 5), QLocale::ShortFormat) + u" - "_s
        + timeText(clock.now());
};

} // namespace

TEST_F(HandlerFixture, EachDocumentedErrorNumber)
{
    test::expectNumbers(u"Fortwright.CErrorHandler"_s,
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
    handler.CallStackPush(u"FindGame"_s);
    handler.CallStackPop();
    EXPECT_EQ(test::readBytes(traceLog),
        toAnsi(stamp + u" --- Entered routine: FindGame\r\n"_s + stamp
            + u" --- Exited routine: FindGame\r\n"_s));

    handler.CallStackPush(u"Sub Main"_s, u"m"_s);
    handler.CallStackPush(u"FindGame"_s, u"f"_s);
    handler.CallStackPop();
    handler.CallStackPush(u"LoadMaps"_s, u"l"_s);
    EXPECT_EQ(handler.callStack(), QStringList({ "LoadMaps(l)", "Sub Main(m)" }))
        << "data leaves with its routine";
}
