#pragma once

#include "check/PreflightCheck.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace fw::cli {

class CliSession;

// The check of a profile as the command line runs it: with the catalogue of Main.efr in the data
// folder when there is one.
QList<Finding> profileFindings(CliSession& session, const ServerProfile& profile);

// One finding as a line: severity, place, what the server will do and what to do, TAB-separated.
QString findingLine(const Finding& finding);

// --force: write even when the check finds a danger.
QCommandLineOption forceOption();
// What the usage of a command that writes says about the check.
QString checkedWriteNote();

// Before a command writes: the dangers and warnings on standard error, then a refusal (exit 1) when one is a
// danger and --force was not given. refusedAction names what was not done ("write", "run").
void checkBeforeWriting(CliSession& session, const QCommandLineParser& parser, const ServerProfile& profile,
    const QString& refusedAction);

} // namespace fw::cli
