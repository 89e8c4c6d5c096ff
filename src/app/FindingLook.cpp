#include "app/FindingLook.h"

#include <QStyle>

namespace fw {

QIcon severityIcon(const QStyle& style, Severity severity)
{
    switch (severity) {
    case Severity::Danger:
        return style.standardIcon(QStyle::SP_MessageBoxCritical);
    case Severity::Warning:
        return style.standardIcon(QStyle::SP_MessageBoxWarning);
    case Severity::Note:
        break;
    }
    return style.standardIcon(QStyle::SP_MessageBoxInformation);
}

QString findingCountText(const QList<Finding>& findings)
{
    QStringList parts;
    for (const Severity severity : { Severity::Danger, Severity::Warning, Severity::Note }) {
        const auto count = std::ranges::count(findings, severity, &Finding::severity);
        if (count > 0)
            parts << QStringLiteral("%1 %2%3").arg(count).arg(
                severityName(severity), count > 1 ? QStringLiteral("s") : QString());
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace fw
