#include "cli/CheckCommand.h"

#include "cli/CliProfile.h"
#include "cli/CliSession.h"
#include "cli/PreflightGate.h"

namespace fw::cli {

QString CheckCommand::summary() const
{
    return QStringLiteral("print what the server will make of the settings, one finding per line");
}

QString CheckCommand::usageNote() const
{
    return QStringLiteral(
        "Each line: severity (danger, warning, note), place, what the server will do, what to "
        "do, separated by TAB. Exits 1 when a finding is a danger, else 0.");
}

void CheckCommand::run(CliSession& session, const QCommandLineParser& parser, const QStringList&)
{
    const ServerProfile profile = quietWindowProfile(session, parser);
    const QList<Finding> findings = profileFindings(session, profile);
    for (const Finding& finding : findings)
        session.out() << findingLine(finding) << '\n';
    if (hasDanger(findings))
        CliSession::fail(QString());
}

} // namespace fw::cli
