#include "generate/GeneratedFileText.h"

#include "profile/SettingsCatalogue.h"
#include "support/platform/Clock.h"

namespace fw {

QString createdOnLine(const QString& commentLead, const Clock& clock)
{
    const QDateTime now = clock.now();
    return commentLead + QStringLiteral("File Created On: ") + longDateText(now) + QStringLiteral(" at ")
        + timeText(now);
}

QStringList framedHeader(
    const QString& rule, const QString& title, const QString& commentLead, const Clock& clock)
{
    return { rule, title, rule,
        commentLead + QStringLiteral("File Created by: Fortwright [") + kContactAddress + QLatin1Char(']'),
        createdOnLine(commentLead, clock), rule };
}

QString setaLine(const QString& tag, const QString& value)
{
    return QStringLiteral("seta ") + tag + QStringLiteral(" \"") + value + QLatin1Char('"');
}

QString setsLine(const QString& tag, const QString& value)
{
    return QStringLiteral("sets \"") + tag + QStringLiteral("\" \"") + value + QLatin1Char('"');
}

} // namespace fw
