#pragma once

#include "cli/CliApp.h"

#include <QStringList>
#include <QTextStream>

namespace fw::test {

// What one run of the command-line tool printed and returned.
struct CliResult {
    int code;
    QString out;
    QString err;
    QStringList lines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// Runs the tool with every registered command and captures both streams.
inline CliResult runTool(const QStringList& arguments)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = cli::runCli(arguments, outStream, errStream, cli::makeCommands());
    outStream.flush();
    errStream.flush();
    return { code, out, err };
}

// Runs the tool on the given data folder.
inline CliResult runWithData(const QString& dataDir, const QStringList& arguments)
{
    return runTool(QStringList { QStringLiteral("--data-dir"), dataDir } + arguments);
}

} // namespace fw::test
