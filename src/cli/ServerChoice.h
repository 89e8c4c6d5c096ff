#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

namespace fw::cli {

class CliSession;

// --server PROGRAM: start this program instead of the stored choice or the search.
QCommandLineOption serverOption();

// The program --server names, as an absolute path, checked to be an executable file (exit 1
// otherwise); empty when the option is not given.
QString serverOverride(const QCommandLineParser& parser);

// The program the user chose for this command: the override, else the stored choice (empty for
// the search).
QString programChoice(CliSession& session, const QString& override);

// "program: PATH", with "(through wine)" or "(chosen)" where that applies: what Run starts for the
// session's game folder, given the override (empty for none).
QString programLine(CliSession& session, const QString& override);

} // namespace fw::cli
