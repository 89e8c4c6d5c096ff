#include "cli/PreflightGate.h"

#include "cli/CliSession.h"
#include "maps/MapCatalogue.h"
#include "maps/MapListFile.h"

#include <QFileInfo>
#include <optional>

namespace fw::cli {

QList<Finding> profileFindings(CliSession& session, const ServerProfile& profile)
{
    // Without a scan there is nothing to compare the rotation with, rather than an empty list.
    const QString mapList = session.context().dataPath(kMapListFileName);
    std::optional<MapCatalogue> catalogue;
    if (QFileInfo::exists(mapList))
        catalogue = readMapList(mapList);
    CheckInputs inputs;
    inputs.catalogue = catalogue ? &*catalogue : nullptr;
    return preflightCheck(profile, inputs);
}

QString findingLine(const Finding& finding)
{
    // A tab or line break inside a text would break the columns.
    const auto cell
        = [](QString text) { return text.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' '); };
    return QStringList { severityName(finding.severity), placeName(finding.place), cell(finding.what),
        cell(finding.fix) }
        .join(u'\t');
}

QCommandLineOption forceOption()
{
    return { QStringLiteral("force"), QStringLiteral("Write even when the check finds a danger.") };
}

QString checkedWriteNote()
{
    return QStringLiteral(
        "Prints the check's findings on standard error first and refuses (exit 1) when one is a "
        "danger; refusing is the safe default for scripts, --force writes anyway.");
}

void checkBeforeWriting(CliSession& session, const QCommandLineParser& parser, const ServerProfile& profile,
    const QString& refusedAction)
{
    const QList<Finding> findings = profileFindings(session, profile);
    // Notes are for the check command; a script's standard error gets what changes the outcome.
    for (const Finding& finding : findings) {
        if (finding.severity != Severity::Note)
            session.err() << findingLine(finding) << '\n';
    }
    session.err().flush();
    if (hasDanger(findings) && !parser.isSet(forceOption().names().constFirst()))
        CliSession::fail(
            QStringLiteral("Refused to %1: the check found a danger (above); give --force to %1 anyway.")
                .arg(refusedAction));
}

} // namespace fw::cli
