#include "support/errors/ErrorReporter.h"

#include "support/files/PathHelpers.h"
#include "support/platform/Clock.h"
#include "support/platform/Prompter.h"
#include "support/text/AnsiCodec.h"

#include <QFile>

namespace fw {

ErrorReporter::ErrorReporter(QString dataDir, Prompter& prompter, const Clock& clock)
    : m_dataDir(std::move(dataDir))
    , m_prompter(prompter)
    , m_clock(clock)
{
}

void ErrorReporter::ReportError(const QString& descriptionPrefix, const QString& location, qint32 number,
    bool showBox, bool raiseAgain, bool writeLog, const FortwrightError* error, const QString& logFile)
{
    QString description;
    QString source;
    if (error) {
        description = descriptionPrefix.isEmpty()
            ? error->description()
            : descriptionPrefix + QLatin1Char('(') + error->description() + QLatin1Char(')');
        source = location.isEmpty() ? error->source()
                                    : location + QStringLiteral(" (") + error->source() + QLatin1Char(')');
        if (number == 0)
            number = error->number();
    }
    if (writeLog) {
        WriteErrorLog(QStringLiteral("Error %1 in %2:\r\n%3").arg(number).arg(source, description), logFile,
            true, true, false);
    }
    if (showBox) {
        m_prompter.critical(
            QStringLiteral(
                "Following error occurred in this application:\r\n\r\n%1\r\nNumber: %2\r\nSource: %3")
                .arg(description)
                .arg(number)
                .arg(source),
            kExecutableName + QStringLiteral(" Error"));
    }
    if (raiseAgain)
        throw FortwrightError(number, source, description);
}

void ErrorReporter::report(const QString& locationText, const FortwrightError& error)
{
    ReportError(QString(), kExecutableName + locationText, 0, true, false, true, &error, QString());
}

void ErrorReporter::report(const QString& locationText, const std::exception& error)
{
    report(locationText, FortwrightError::fromStd(error));
}

QString ErrorReporter::defaultLogPath() const
{
    return addSlash(m_dataDir) + kExecutableName + QStringLiteral(".log");
}

bool ErrorReporter::WriteErrorLog(
    const QString& message, const QString& logFile, bool stampLine, bool separatorLine, bool truncate)
{
    try {
        const QString path = !logFile.isEmpty() ? logFile
            : !m_lastErrorLog.isEmpty()         ? m_lastErrorLog
                                                : defaultLogPath();
        m_lastErrorLog = path;
        QFile file(path);
        if (!file.open(truncate ? QIODevice::WriteOnly | QIODevice::Truncate : QIODevice::Append))
            return false;
        QString entry;
        if (separatorLine)
            entry += QString(78, QLatin1Char('-')) + QStringLiteral("\r\n");
        if (stampLine)
            entry += QStringLiteral("---") + slashStampText(m_clock.now()) + QStringLiteral("---\r\n");
        entry += message + QStringLiteral("\r\n");
        const QByteArray bytes = toAnsi(entry);
        return file.write(bytes) == bytes.size();
    } catch (...) {
        return false;
    }
}

} // namespace fw
