#pragma once

#include "support/errors/FortwrightError.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace fw {

class Clock;
class Prompter;

// The numbered errors of CErrorHandler; their source is "Fortwright.CErrorHandler".
namespace ErrorHandlerError {
inline constexpr qint32 InvalidFileName = qint32(0x800443F9u);
inline constexpr qint32 InvalidActions = qint32(0x800443FAu);
inline constexpr qint32 InvalidTracingFlags = qint32(0x800443FBu);
inline constexpr qint32 ComponentFailure = qint32(0x800443FCu);
} // namespace ErrorHandlerError

// Bits of ErrorHandlerActions and TracingFlags.
namespace ErrorAction {
inline constexpr qint32 AskUser = 1;
inline constexpr qint32 WriteLog = 2;
inline constexpr qint32 EventLog = 4; // Windows NT family only
inline constexpr qint32 Hook = 8; // does nothing
} // namespace ErrorAction
namespace TracingFlag {
inline constexpr qint32 DebugOutput = 1; // no effect in a built program
inline constexpr qint32 LogFile = 2;
} // namespace TracingFlag

// What HandleError answers: how the failing routine goes on.
namespace ErrorContinuation {
inline constexpr qint32 Leave = 0;
inline constexpr qint32 Retry = 1;
inline constexpr qint32 Next = 2;
} // namespace ErrorContinuation

// Error handling and tracing for the start-up: a call stack of routine names, trace lines on
// entering and leaving, and on an error a log entry and an Abort/Retry/Ignore box whose answer
// says how to go on. Relative log names are taken from the current folder. A log that cannot be
// written is skipped, so the error is still shown.
class CErrorHandler {
public:
    CErrorHandler(Prompter& prompter, const Clock& clock);

    void Init(qint32 errorHandlerActions, const std::optional<QString>& errorLogFile = std::nullopt,
        std::optional<bool> callStackEnabled = std::nullopt,
        std::optional<bool> tracingEnabled = std::nullopt, std::optional<qint32> tracingFlags = std::nullopt,
        const std::optional<QString>& tracingLogFile = std::nullopt);

    bool CallStackEnabled() const { return m_callStackEnabled; }
    void setCallStackEnabled(bool value) { m_callStackEnabled = value; }
    QString ErrorDescription() const { return m_errorDescription; }
    void setErrorDescription(const QString& value) { m_errorDescription = value; }
    qint32 ErrorHandlerActions() const { return m_actions; }
    void setErrorHandlerActions(qint32 value);
    qint32 ErrorLine() const { return m_errorLine; }
    void setErrorLine(qint32 value) { m_errorLine = value; }
    QString ErrorLogFile() const { return m_errorLogFile; }
    void setErrorLogFile(const QString& value);
    qint32 ErrorNumber() const { return m_errorNumber; }
    void setErrorNumber(qint32 value) { m_errorNumber = value; }
    QString Tag() const { return m_tag; }
    void setTag(const QString& value) { m_tag = value; }
    bool TracingEnabled() const { return m_tracingEnabled; }
    void setTracingEnabled(bool value) { m_tracingEnabled = value; }
    qint32 TracingFlags() const { return m_tracingFlags; }
    void setTracingFlags(qint32 value);
    QString TracingLogFile() const { return m_tracingLogFile; }
    void setTracingLogFile(const QString& value);

    void CallStackClear();
    void CallStackPop();
    void CallStackPush(const QString& procedure, const QString& data = QString());
    // Entries from the most recent to the oldest, each as "procedure(data)".
    QStringList callStack() const;

    // Deletes the named logs; a missing file is no error.
    void Clear(bool clearLogFile = false, bool clearTracingLogFile = false);

    // Takes the error as the last one handled, logs and shows it as the actions say, and answers
    // 0 (leave; Abort or no box), 1 (retry) or 2 (go on with the next statement; Ignore).
    qint32 HandleError(
        const FortwrightError& error, const QString& procedureName = QString(), qint32 line = 0);

private:
    QString stamp() const;
    void trace(const QString& text) const;

    Prompter& m_prompter;
    const Clock& m_clock;
    qint32 m_actions = ErrorAction::AskUser;
    QString m_errorLogFile = QStringLiteral("Error Log.txt");
    bool m_callStackEnabled = false;
    bool m_tracingEnabled = false;
    qint32 m_tracingFlags = 0;
    QString m_tracingLogFile = QStringLiteral("Tracing Log.txt");
    qint32 m_errorNumber = 0;
    QString m_errorDescription;
    qint32 m_errorLine = 0;
    QString m_tag;
    QStringList m_procedures;
    QStringList m_data;
};

} // namespace fw
