#include "support/CErrorHandler.h"
#include "support/AnsiCodec.h"
#include "support/Clock.h"
#include "testkit/Raised.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestContext.h"

#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace fw;

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

TEST_F(HandlerFixture, HandleErrorLogsShowsAndAnswersTheUsersChoice)
{
    handler.Init(3, errorLog, true, false);
    handler.CallStackPush(QStringLiteral("Sub Main"));
    handler.CallStackPush(QStringLiteral("FindGame"));
    prompter.answer(Answer::Retry).answer(Answer::Ignore).answer(Answer::Abort);

    const FortwrightError missing(53, QStringLiteral("Fortwright"), QStringLiteral("File not found"));
    EXPECT_EQ(handler.HandleError(missing), ErrorContinuation::Retry);
    const QString expected = stamp
        + QStringLiteral(
            " --- Error: 53, (File not found) in FindGame at line 0\r\n\r\nThe call stack is:\r\n"
            "                    FindGame()\r\n"
            "                    Sub Main()");
    EXPECT_EQ(test::readBytes(errorLog), toAnsi(expected + QStringLiteral("\r\n")));
    ASSERT_EQ(prompter.boxes().size(), 1);
    EXPECT_EQ(prompter.boxes()[0].text, expected);
    EXPECT_EQ(prompter.boxes()[0].title, QStringLiteral("Fortwright"));

    EXPECT_EQ(handler.HandleError(missing), ErrorContinuation::Next);
    EXPECT_EQ(handler.HandleError(missing), ErrorContinuation::Leave);
    EXPECT_EQ(test::readBytes(errorLog).count("The call stack is:"), 3);

    handler.Init(3, dir.filePath(QStringLiteral("no/such/folder/log.txt")));
    prompter.answer(Answer::Ignore);
    EXPECT_EQ(handler.HandleError(missing), ErrorContinuation::Next)
        << "an unwritable log still shows the box";
    EXPECT_EQ(prompter.boxes().size(), 4);
}
