#include "app/DangerQuestion.h"

#include "support/platform/Prompter.h"

namespace fw {

bool writeDespiteDangers(Prompter& prompter, const QList<Finding>& findings,
    const std::function<QString(const FindingPlace&)>& describe)
{
    if (!hasDanger(findings))
        return true;
    QStringList lines {
        QStringLiteral("With these settings the server would run something other than a setting:"), QString()
    };
    for (const Finding& finding : findings)
        if (finding.severity == Severity::Danger)
            lines << QStringLiteral("- ") + describe(finding.place) + QStringLiteral(": ") + finding.what;
    lines << QString() << QStringLiteral("Write the configuration anyway?");
    for (QString& line : lines)
        if (!line.isEmpty())
            line += kEightBlanks;
    return prompter.confirm(
        lines.join(QStringLiteral("\r\n")), kAppTitle, MessageIcon::Exclamation, Answer::No);
}

} // namespace fw
