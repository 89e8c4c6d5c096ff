#pragma once

#include "cli/CliApp.h"
#include "testkit/BuiltPrograms.h"

#include <QDir>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace fw::test {

// What one run of the command-line tool printed and returned.
struct CliResult {
    int code;
    QString out;
    QString err;
    QStringList lines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// How much of standard error a check names: all of it, its start, or a part anywhere.
enum class ErrText { Whole, Start, Part };

// The run ended with the code and printed the text on standard error.
inline void expectRun(const CliResult& run, int code, const QString& err, ErrText how = ErrText::Whole)
{
    EXPECT_EQ(run.code, code) << run.err.toStdString();
    if (how == ErrText::Whole)
        EXPECT_EQ(run.err, err);
    else
        EXPECT_TRUE(how == ErrText::Start ? run.err.startsWith(err) : run.err.contains(err))
            << run.err.toStdString() << " lacks " << err.toStdString();
}

// Runs the tool with the given commands (by default every registered one) and captures both streams.
inline CliResult runTool(const QStringList& arguments, const cli::CommandList& commands = cli::makeCommands())
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = cli::runCli(arguments, outStream, errStream, commands);
    outStream.flush();
    errStream.flush();
    return { code, out, err };
}

// Runs the tool on the given data folder.
inline CliResult runWithData(const QString& dataDir, const QStringList& arguments)
{
    return runTool(QStringList { u"--data-dir"_s, dataDir } + arguments);
}

// A data folder and a game folder with its Main folder, in a temporary directory.
struct CliFolders : ::testing::Test {
    QTemporaryDir dir;
    QString data = dir.filePath(u"data"_s);
    QString game = dir.filePath(u"game"_s);

    CliFolders()
    {
        QDir().mkpath(data);
        QDir().mkpath(game + u"/Main"_s);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString file(const QString& name) const { return data + QLatin1Char('/') + name; }
    QString mainFile(const QString& name) const { return game + u"/Main/"_s + name; }

    CliResult run(const QStringList& arguments) const { return runWithData(data, arguments); }
    // The arguments with both folders named before them.
    QStringList inFolders(const QStringList& arguments) const
    {
        return QStringList { u"--data-dir"_s, data, u"--game-dir"_s, game } + arguments;
    }
    CliResult runInGame(const QStringList& arguments) const { return runTool(inFolders(arguments)); }
    void set(const QString& group, const QString& index, const QString& value) const
    {
        const CliResult result = run({ u"profile"_s, u"set"_s, group, index, value });
        ASSERT_EQ(result.code, 0) << result.err.toStdString();
    }
};

// Runs a program (by default the built tool) in a process of its own, so that a run that blocks
// fails the test instead of hanging it.
inline CliResult runProcess(const QStringList& arguments,
    const QString& program = builtProgram("fortwright-cli"),
    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess cli;
    cli.setProcessEnvironment(env);
    cli.start(program, arguments);
    const bool finished = cli.waitForFinished(10000);
    if (!finished)
        cli.kill();
    EXPECT_TRUE(finished) << arguments.join(' ').toStdString() << " blocked";
    cli.waitForFinished();
    return { cli.exitCode(), QString::fromLocal8Bit(cli.readAllStandardOutput()),
        QString::fromLocal8Bit(cli.readAllStandardError()) };
}

} // namespace fw::test
