#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>
#include <vector>

namespace fw::cli {

class CliSession;

// How every usage text starts: the program and its global options.
inline const QString kUsageHead = QStringLiteral("Usage: fortwright-cli [--data-dir DIR] [--game-dir DIR] ");

// One command of fortwright-cli ("profile show", "scan", ...): its words, its usage and its run.
class CliCommand {
public:
    virtual ~CliCommand() = default;

    virtual QStringList words() const = 0;
    virtual QString summary() const = 0;
    // More about the command, shown under the summary in its usage; empty for none.
    virtual QString usageNote() const { return {}; }
    // The positional part of the usage line, e.g. "GROUP INDEX VALUE".
    virtual QString argumentSyntax() const { return {}; }
    virtual QList<QCommandLineOption> options() const { return {}; }
    // The names of the options it cannot run without, e.g. "out".
    virtual QStringList requiredOptions() const { return {}; }
    virtual int minArguments() const { return 0; }
    // -1 for no limit.
    virtual int maxArguments() const { return 0; }
    // Whether it only reads the data folder; such a command creates nothing.
    virtual bool onlyReadsData() const { return false; }

    // Parses the command's own arguments (after its words). --help prints the usage on out and a
    // usage error fails before openSession is called; otherwise the command runs in the session
    // it opens. Returns the exit code.
    int execute(
        QTextStream& out, const QStringList& arguments, const std::function<CliSession&()>& openSession);
    // The name, the options (a required one without brackets) and the arguments.
    QString synopsis() const;
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
