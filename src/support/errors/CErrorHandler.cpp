#include "support/errors/CErrorHandler.h"

#include "support/errors/ComponentGuard.h"
#include "support/platform/Clock.h"
#include "support/platform/Prompter.h"
#include "support/text/AnsiCodec.h"

#include <QFile>
#include <QLocale>

namespace fw {
namespace {

const ComponentErrors kErrors { ErrorHandlerError::InvalidFileName, ErrorHandlerError::InvalidTracingFlags,
    ErrorHandlerError::ComponentFailure, FortwrightError::componentSource(QStringLiteral("CErrorHandler")),
    QStringLiteral("CErrorHandler component failure") };

// Appends text and a line end; a log that cannot be opened is skipped.
void appendLine(const QString& path, const QString& text)
{
    QFile file(path);
    if (file.open(QIODevice::Append))
        file.write(toAnsi(text + QStringLiteral("\r\n")));
}

} // namespace

CErrorHandler::CErrorHandler(Prompter& prompter, const Clock& clock)
    : m_prompter(prompter)
    , m_clock(clock)
{
}

void CErrorHandler::Init(qint32 errorHandlerActions, const std::optional<QString>& errorLogFile,
    std::optional<bool> callStackEnabled, std::optional<bool> tracingEnabled,
    std::optional<qint32> tracingFlags, const std::optional<QString>& tracingLogFile)
{
    setErrorHandlerActions(errorHandlerActions);
    if (errorLogFile)
        setErrorLogFile(*errorLogFile);
    if (callStackEnabled)
        setCallStackEnabled(*callStackEnabled);
    if (tracingEnabled)
        setTracingEnabled(*tracingEnabled);
    if (tracingFlags)
        setTracingFlags(*tracingFlags);
    if (tracingLogFile)
        setTracingLogFile(*tracingLogFile);
}

void CErrorHandler::setErrorHandlerActions(qint32 value)
{
    if (value < 1 || value > 15)
        throw kErrors.error(ErrorHandlerError::InvalidActions, "Invalid error handler actions");
    m_actions = value;
}

void CErrorHandler::setErrorLogFile(const QString& value)
{
    if (value.isEmpty())
        throw kErrors.error(ErrorHandlerError::InvalidFileName, "Invalid file name");
    m_errorLogFile = value;
}

void CErrorHandler::setTracingFlags(qint32 value)
{
    if (value < 1 || value > 3)
        throw kErrors.error(ErrorHandlerError::InvalidTracingFlags, "Invalid tracing flags");
    m_tracingFlags = value;
}

void CErrorHandler::setTracingLogFile(const QString& value)
{
    if (value.isEmpty())
        throw kErrors.error(ErrorHandlerError::InvalidFileName, "Invalid file name");
    m_tracingLogFile = value;
}

QString CErrorHandler::stamp() const
{
    const QDateTime now = m_clock.now();
    return QLocale::system().toString(now.date(), QLocale::ShortFormat) + QStringLiteral(" - ")
        + timeText(now);
}

void CErrorHandler::trace(const QString& text) const
{
    if (m_tracingEnabled && (m_tracingFlags & TracingFlag::LogFile))
        appendLine(m_tracingLogFile, stamp() + text);
}

void CErrorHandler::CallStackClear()
{
    m_procedures.clear();
    m_data.clear();
}

void CErrorHandler::CallStackPush(const QString& procedure, const QString& data)
{
    kErrors.guard([&] {
        m_procedures.append(procedure);
        m_data.append(data);
        trace(QStringLiteral(" --- Entered routine: ") + procedure);
    });
}

void CErrorHandler::CallStackPop()
{
    kErrors.guard([&] {
        if (m_procedures.isEmpty())
            return;
        trace(QStringLiteral(" --- Exited routine: ") + m_procedures.last());
        m_procedures.removeLast();
        m_data.removeLast();
    });
}

QStringList CErrorHandler::callStack() const
{
    QStringList entries;
    for (qsizetype i = m_procedures.size() - 1; i >= 0; --i)
        entries.append(m_procedures[i] + QLatin1Char('(') + m_data[i] + QLatin1Char(')'));
    return entries;
}

void CErrorHandler::Clear(bool clearLogFile, bool clearTracingLogFile)
{
    kErrors.guard([&] {
        if (clearLogFile && !m_errorLogFile.isEmpty())
            QFile::remove(m_errorLogFile);
        if (clearTracingLogFile && !m_tracingLogFile.isEmpty())
            QFile::remove(m_tracingLogFile);
    });
}

qint32 CErrorHandler::HandleError(const FortwrightError& failure, const QString& procedureName, qint32 line)
{
    return kErrors.guard([&] {
        m_errorDescription = failure.description();
        m_errorNumber = failure.number();
        m_errorLine = line;
        QString routine = QStringLiteral("Unknown");
        if (!procedureName.isEmpty())
            routine = procedureName;
        else if (m_callStackEnabled && !m_procedures.isEmpty())
            routine = m_procedures.last();

        QStringList stackLines;
        for (const QString& entry : callStack())
            stackLines.append(QString(20, QLatin1Char(' ')) + entry);
        const QString text = stamp()
            + QStringLiteral(" --- Error: %1, (%2) in %3 at line %4\r\n\r\nThe call stack is:\r\n")
                  .arg(QString::number(m_errorNumber), m_errorDescription, routine,
                      QString::number(m_errorLine))
            + stackLines.join(QStringLiteral("\r\n"));

        if (m_actions & ErrorAction::WriteLog)
            appendLine(m_errorLogFile, text);
        // The system event log exists on the Windows NT family only; the hook does nothing.
        if (!(m_actions & ErrorAction::AskUser))
            return ErrorContinuation::Leave;
        switch (m_prompter.abortRetryIgnore(text, kAppTitle)) {
        case Answer::Retry:
            return ErrorContinuation::Retry;
        case Answer::Ignore:
            return ErrorContinuation::Next;
        default:
            return ErrorContinuation::Leave;
        }
    });
}

} // namespace fw
