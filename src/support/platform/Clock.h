#pragma once

#include <QDateTime>
#include <QString>

namespace fw {

// The one source of "now". When SOURCE_DATE_EPOCH is set, now is that instant (in UTC), so that
// generated files are reproducible.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const;
};

// The system's long date ("Saturday, 5 December 2026" in the user's locale).
QString longDateText(const QDateTime& when);
// The system's time with seconds and without a time-zone name.
QString timeText(const QDateTime& when);
// "mm/dd/yyyy", the date of a ban entry.
QString slashDateText(const QDateTime& when);
// "mm/dd/yyyy hh:mm:ss", the stamp of an error-log entry.
QString slashStampText(const QDateTime& when);

} // namespace fw
