#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QStringList>
#include <memory>
#include <vector>

namespace fw::cli {

class CliSession;

// One command of fortwright-cli ("profile show", "scan", ...): its words, its usage and its run.
class CliCommand {
public:
    virtual ~CliCommand() = default;

    virtual QStringList words() const = 0;
    virtual QString summary() const = 0;
    // The positional part of the usage line, e.g. "GROUP INDEX VALUE".
    virtual QString argumentSyntax() const { return {}; }
    virtual QList<QCommandLineOption> options() const { return {}; }
    virtual int minArguments() const { return 0; }
    // -1 for no limit.
    virtual int maxArguments() const { return 0; }

    // Parses the command's own arguments (after its words) and runs it; returns the exit code.
    int execute(CliSession& session, const QStringList& arguments);
    QString usage() const;
    QString name() const { return words().join(QLatin1Char(' ')); }

    static QCommandLineOption profileOption();
    static QCommandLineOption outOption();

protected:
    virtual void run(CliSession& session, const QCommandLineParser& parser, const QStringList& positional)
        = 0;
};

// The tool's commands, each owned by the list that holds it.
using CommandList = std::vector<std::unique_ptr<CliCommand>>;

} // namespace fw::cli
