#pragma once

#include "support/errors/FortwrightError.h"

#include <QString>

namespace fw {

class Clock;
class Prompter;

// The one failure path of the application's routines: a box and an entry in the error log
// (the executable's name + ".log" in the data folder unless told otherwise).
class ErrorReporter {
public:
    ErrorReporter(QString dataDir, Prompter& prompter, const Clock& clock);

    // The full call, argument for argument. Throws the rebuilt error when raiseAgain is set.
    void ReportError(const QString& descriptionPrefix, const QString& location, qint32 number, bool showBox,
        bool raiseAgain, bool writeLog, const FortwrightError* error, const QString& logFile);
    // The standard call of a routine's error handler: its location text behind the executable name.
    void report(const QString& locationText, const FortwrightError& error);
    void report(const QString& locationText, const std::exception& error);

    // Appends one entry; never throws. False when the log could not be written.
    bool WriteErrorLog(
        const QString& message, const QString& logFile, bool stampLine, bool separatorLine, bool truncate);

    const QString& lastErrorLog() const { return m_lastErrorLog; }
    QString defaultLogPath() const;

private:
    QString m_dataDir;
    Prompter& m_prompter;
    const Clock& m_clock;
    QString m_lastErrorLog;
};

} // namespace fw
