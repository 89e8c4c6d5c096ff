#include "support/CErrorHandler.h"
#include "support/AnsiCodec.h"
#include "support/Clock.h"
#include "testkit/Raised.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestContext.h"

#include <QFileInfo>
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

    qint32 raised(const std::function<void()>& call)
    {
        return test::raisedNumber(QStringLiteral("Fortwright.CErrorHandler"), call);
    }
};

} // namespace

TEST_F(HandlerFixture, SettersRefuseValuesOutOfRangeAndKeepTheOldOnes)
{
    EXPECT_EQ(raised([&] { handler.setTracingFlags(4); }), ErrorHandlerError::InvalidTracingFlags);
    EXPECT_EQ(raised([&] { handler.setTracingFlags(0); }), ErrorHandlerError::InvalidTracingFlags);
    EXPECT_EQ(raised([&] { handler.setErrorHandlerActions(0); }), ErrorHandlerError::InvalidActions);
    EXPECT_EQ(raised([&] { handler.setErrorHandlerActions(16); }), ErrorHandlerError::InvalidActions);
    EXPECT_EQ(raised([&] { handler.setErrorLogFile(QString()); }), ErrorHandlerError::InvalidFileName);
    EXPECT_EQ(raised([&] { handler.Init(3, QString()); }), ErrorHandlerError::InvalidFileName);
    EXPECT_EQ(handler.ErrorHandlerActions(), 3) << "Init applies its arguments one by one";
    EXPECT_EQ(handler.ErrorLogFile(), QStringLiteral("Error Log.txt"));
    EXPECT_EQ(handler.TracingFlags(), 0);

    handler.Init(3, errorLog, true, true, 2, traceLog);
    EXPECT_TRUE(handler.CallStackEnabled());
    EXPECT_TRUE(handler.TracingEnabled());
    EXPECT_EQ(handler.TracingFlags(), 2);
    EXPECT_EQ(handler.TracingLogFile(), traceLog);
}

TEST_F(HandlerFixture, TracesEnteringAndLeavingOnlyWhenAskedTo)
{
    handler.Init(1, errorLog, true, true, 1, traceLog);
    handler.CallStackPush(QStringLiteral("Sub Main"));
    EXPECT_FALSE(QFileInfo::exists(traceLog)) << "debug output only";

    handler.setTracingFlags(2);
    handler.CallStackPush(QStringLiteral("FindGame"), QStringLiteral("first run"));
    handler.CallStackPop();
    handler.setTracingEnabled(false);
    handler.CallStackPop();
    handler.CallStackPop();
    EXPECT_TRUE(handler.callStack().isEmpty());
    EXPECT_EQ(test::readBytes(traceLog),
        toAnsi(stamp + QStringLiteral(" --- Entered routine: FindGame\r\n") + stamp
            + QStringLiteral(" --- Exited routine: FindGame\r\n")));

    handler.Clear(false, true);
    EXPECT_FALSE(QFileInfo::exists(traceLog));
    handler.Clear(true, true);
}

TEST_F(HandlerFixture, HandleErrorLogsShowsAndAnswersTheUsersChoice)
{
    handler.Init(3, errorLog, true, false);
    handler.CallStackPush(QStringLiteral("Sub Main"));
    handler.CallStackPush(QStringLiteral("FindGame"), QStringLiteral("step 3"));
    prompter.answer(Answer::Retry).answer(Answer::Ignore).answer(Answer::Abort);

    const FortwrightError missing(53, QStringLiteral("Fortwright"), QStringLiteral("File not found"));
    EXPECT_EQ(handler.HandleError(missing, QString(), 12), ErrorContinuation::Retry);
    const QString expected = stamp
        + QStringLiteral(
            " --- Error: 53, (File not found) in FindGame at line 12\r\n\r\nThe call stack is:\r\n"
            "                    FindGame(step 3)\r\n"
            "                    Sub Main()");
    EXPECT_EQ(test::readBytes(errorLog), toAnsi(expected + QStringLiteral("\r\n")));
    ASSERT_EQ(prompter.boxes().size(), 1);
    EXPECT_EQ(prompter.boxes()[0].text, expected);
    EXPECT_EQ(prompter.boxes()[0].title, QStringLiteral("Fortwright"));
    EXPECT_EQ(prompter.boxes()[0].buttons, MessageButtons::AbortRetryIgnore);
    EXPECT_EQ(handler.ErrorNumber(), 53);
    EXPECT_EQ(handler.ErrorDescription(), QStringLiteral("File not found"));
    EXPECT_EQ(handler.ErrorLine(), 12);

    EXPECT_EQ(handler.HandleError(missing, QStringLiteral("Given")), ErrorContinuation::Next);
    EXPECT_TRUE(prompter.boxes()[1].text.contains(QStringLiteral(") in Given at line 0\r\n")));
    handler.setCallStackEnabled(false);
    EXPECT_EQ(handler.HandleError(missing), ErrorContinuation::Leave);
    EXPECT_TRUE(prompter.boxes()[2].text.contains(QStringLiteral(") in Unknown at line")));

    handler.setErrorHandlerActions(2);
    EXPECT_EQ(handler.HandleError(missing), ErrorContinuation::Leave) << "no box, no question";
    EXPECT_EQ(prompter.boxes().size(), 3);
    EXPECT_EQ(test::readBytes(errorLog).count("The call stack is:"), 4);

    handler.setErrorLogFile(dir.filePath(QStringLiteral("no/such/folder/log.txt")));
    prompter.answer(Answer::Ignore);
    handler.setErrorHandlerActions(3);
    EXPECT_EQ(handler.HandleError(missing), ErrorContinuation::Next)
        << "an unwritable log still shows the box";
}
