#include "check/CheckRules.h"

#include "check/EngineLimits.h"
#include "generate/LaunchValues.h"
#include "generate/ScriptValues.h"
#include "profile/ServerProfile.h"
#include "support/text/NumericText.h"

namespace fw {

namespace {

void emptyPort(const RuleInput& in, QList<Finding>& out)
{
    if (leadingNumber(in.profile.text(field::ServerPort)) != 0)
        return;
    out << fieldFinding(Severity::Warning, field::ServerPort,
        QStringLiteral("With no port, the timed messages go to port %1 and Run starts the server there, but "
                       "the shell script starts it on %2 and a server given no port listens on %3, so the "
                       "messages reach no server")
            .arg(kDefaultLaunchPort)
            .arg(kShellDefaultPort)
            .arg(engine::kServerDefaultPort),
        QStringLiteral("Type the port the server listens on (%1 by default).")
            .arg(engine::kServerDefaultPort));
}

void configNameBlank(const RuleInput& in, QList<Finding>& out)
{
    const QString name = in.profile.text(field::ConfigName).trimmed();
    const qsizetype blank = name.indexOf(u' ');
    if (blank < 0)
        return;
    const QString first = name.left(blank);
    // Run and Export write the file with underscores; the scripts keep the name as typed.
    const QString underscored = QString(name).replace(u' ', u'_');
    out << fieldFinding(Severity::Warning, field::ConfigName,
        QStringLiteral(
            "The configuration name \"%1\" holds a blank: the configuration is written as %3.cfg, "
            "but the batch file's line hands the server +exec %1.cfg, which it runs as \"exec %2\" "
            "(looking for %2.cfg), and the shell script's line is split at the blank by the shell, so "
            "the server again runs \"exec %2\"")
            .arg(name, first, underscored),
        QStringLiteral("Use a name without blanks, e.g. %1.").arg(underscored));
}

} // namespace

QList<CheckRule> launchRules()
{
    return { emptyPort, configNameBlank };
}

} // namespace fw
