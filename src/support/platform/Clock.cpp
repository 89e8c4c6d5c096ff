#include "support/platform/Clock.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>

namespace fw {

QDateTime Clock::now() const
{
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").trimmed().toLongLong(&ok);
    if (ok)
        return QDateTime::fromSecsSinceEpoch(epoch, QTimeZone::utc());
    return QDateTime::currentDateTime();
}

QString longDateText(const QDateTime& when)
{
    return QLocale::system().toString(when.date(), QLocale::LongFormat);
}

QString timeText(const QDateTime& when)
{
    // The long time format carries the seconds; its time-zone field is dropped.
    static const QRegularExpression kZone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.replace(kZone, QStringLiteral(" "));
    return QLocale::system().toString(when.time(), format.trimmed());
}

QString slashDateText(const QDateTime& when)
{
    return when.toString(QStringLiteral("MM/dd/yyyy"));
}

QString slashStampText(const QDateTime& when)
{
    return when.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss"));
}

} // namespace fw
