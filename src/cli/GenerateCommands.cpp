#include "cli/GenerateCommands.h"

#include "cli/CliProfile.h"
#include "cli/CliSession.h"
#include "cli/PreflightGate.h"
#include "cli/ServerChoice.h"
#include "generate/AdvancedCycleWriter.h"
#include "generate/BatchFileWriter.h"
#include "generate/ConfigName.h"
#include "generate/LaunchLine.h"
#include "generate/LaunchValues.h"
#include "generate/MapList.h"
#include "generate/ServerConfigWriter.h"
#include "generate/ShellScriptWriter.h"
#include "profile/AdvancedCycle.h"
#include "profile/ListFiles.h"
#include "server/RunConfigName.h"
#include "server/hosting/RunPreview.h"
#include "server/hosting/ServerProgram.h"
#include "support/files/PathHelpers.h"

#include <QDir>
#include <QFileInfo>

namespace fw::cli {
namespace {

QString outPath(const QCommandLineParser& parser)
{
    const QString out = parser.value(CliCommand::outOption().names().constFirst());
    return out.isEmpty() ? QString() : QFileInfo(out).absoluteFilePath();
}

// The --out path of a command that requires it, with which the writer's save dialog is answered.
QString requiredOut(CliSession& session, const QCommandLineParser& parser)
{
    const QString out = outPath(parser);
    session.prompter().presetFile(out);
    return out;
}

// A writer that said false has already shown why.
void failUnless(bool done)
{
    if (!done)
        CliSession::fail(QString());
}

class MapListCommand : public CliCommand {
public:
    QStringList words() const override { return { QStringLiteral("maplist") }; }
    bool onlyReadsData() const override { return true; }
    QString summary() const override { return QStringLiteral("print the sv_maplist value of the rotation"); }
    QList<QCommandLineOption> options() const override { return { profileOption() }; }

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList&) override
    {
        session.out() << gstr_MakeMapList(windowProfile(session, parser).rotation).trimmed() << '\n';
    }
};

class ConfigCommand : public CliCommand {
public:
    QStringList words() const override { return { QStringLiteral("config") }; }
    QString summary() const override
    {
        return QStringLiteral("write the server configuration (into the game's Main folder, or --out FILE)");
    }
    QList<QCommandLineOption> options() const override
    {
        return { profileOption(),
            { QStringLiteral("name"), QStringLiteral("Configuration name."), QStringLiteral("NAME") },
            { QStringLiteral("starting-map"), QStringLiteral("Line that loads the first map."),
                QStringLiteral("LINE") },
            outOption(), forceOption() };
    }
    QString usageNote() const override { return checkedWriteNote(); }

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList&) override
    {
        AppContext& context = session.gameContext();
        ServerProfile profile = quietWindowProfile(session, parser);
        if (parser.isSet(QStringLiteral("name")))
            profile.setValue(field::ConfigName, parser.value(QStringLiteral("name")));
        profile.rotation.startingMap = parser.value(QStringLiteral("starting-map"));
        checkBeforeWriting(session, parser, profile, QStringLiteral("write"));

        ConfigurationHooks hooks;
        hooks.show = ShowWritten::No;
        hooks.wroteFile
            = [&](const QString& path) { session.out() << QDir::toNativeSeparators(path) << '\n'; };
        const QString out = outPath(parser);
        if (!out.isEmpty()) {
            session.prompter().presetFile(out);
            failUnless(exportServerConfiguration(profile, context, hooks));
            return;
        }
        const std::optional<QString> name = exportConfigName(profile, context.prompter);
        failUnless(name.has_value());
        if (!CreateMOHAAConfiguration(profile, context, ConfigurationTarget::GameMainFolder, *name, hooks))
            CliSession::fail(QStringLiteral("Could not create server cfg!"));
    }
};

class LaunchLineCommand : public CliCommand {
public:
    QStringList words() const override { return { QStringLiteral("launch-line") }; }
    bool onlyReadsData() const override { return true; }
    QString summary() const override
    {
        return QStringLiteral("print the server command line that Run would start");
    }
    QString usageNote() const override
    {
        return QStringLiteral("A second line names the program Run starts (\"program: PATH\"), a third the "
                              "whole command it runs there (\"starts: COMMAND\").");
    }
    QList<QCommandLineOption> options() const override { return { profileOption(), serverOption() }; }

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList&) override
    {
        const ServerProfile profile = windowProfile(session, parser);
        const QString program = serverOverride(parser);
        const std::optional<QString> name = checkedRunConfigName(profile, session.prompter());
        failUnless(name.has_value());
        const std::optional<LaunchLine> line
            = buildLaunchLine(gatherLaunchValues(profile), profile, launchConfigName(*name));
        if (!line)
            CliSession::fail(QStringLiteral("No server type is selected: Run starts no server."));
        session.out() << line->line << '\n'
                      << programLine(session, program) << '\n'
                      << QStringLiteral("starts: ")
                      << runCommandPreview(
                             profile, session.context().gamePath, programChoice(session, program))
                      << '\n';
    }
};

// batch and shell: a script written through its writer's save dialog, answered by --out.
class ScriptCommand : public CliCommand {
public:
    using Writer = bool (*)(const ServerProfile&, AppContext&, ShowWritten);

    ScriptCommand(QString word, QString summary, Writer writer)
        : m_word(std::move(word))
        , m_summary(std::move(summary))
        , m_writer(writer)
    {
    }
    QStringList words() const override { return { m_word }; }
    bool onlyReadsData() const override { return true; }
    QString summary() const override { return m_summary; }
    QList<QCommandLineOption> options() const override
    {
        return { outOption(), profileOption(), forceOption() };
    }
    QStringList requiredOptions() const override { return { outOption().names().constFirst() }; }
    QString usageNote() const override { return checkedWriteNote(); }

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList&) override
    {
        requiredOut(session, parser);
        // The writers start their dialogs in the game folder (the script's makes its Main folder).
        AppContext& context = session.gameContext();
        const ServerProfile profile = quietWindowProfile(session, parser);
        checkBeforeWriting(session, parser, profile, QStringLiteral("write"));
        failUnless(write(profile, context, parser));
    }
    virtual bool write(const ServerProfile& profile, AppContext& context, const QCommandLineParser&)
    {
        return m_writer(profile, context, ShowWritten::No);
    }

private:
    QString m_word;
    QString m_summary;
    Writer m_writer;
};

class ShellCommand : public ScriptCommand {
public:
    ShellCommand()
        : ScriptCommand(QStringLiteral("shell"),
            QStringLiteral("write the Linux shell script that starts the dedicated server"), nullptr)
    {
    }
    QList<QCommandLineOption> options() const override
    {
        return ScriptCommand::options() << QCommandLineOption(QStringLiteral("unix"),
                   QStringLiteral("Write the form that runs as is: LF line ends, executable, starting the "
                                  "native server found in the game folder."));
    }

protected:
    bool write(const ServerProfile& profile, AppContext& context, const QCommandLineParser& parser) override
    {
        ShellScriptForm form;
        if (parser.isSet(QStringLiteral("unix")))
            form = { true, findNativeServer(context.gamePath) };
        return gbln_MakeLinuxFile(profile, context, ShowWritten::No, form);
    }
};

class CycleCommand : public CliCommand {
public:
    QStringList words() const override { return { QStringLiteral("cycle") }; }
    QString summary() const override
    {
        return QStringLiteral(
            "write the advanced map cycle of the rotation with the Map Wizard's starting values");
    }
    QList<QCommandLineOption> options() const override
    {
        return { outOption(), profileOption(), forceOption() };
    }
    QStringList requiredOptions() const override { return { outOption().names().constFirst() }; }
    QString usageNote() const override { return checkedWriteNote(); }

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList&) override
    {
        const QString out = requiredOut(session, parser);
        const ServerProfile profile = quietWindowProfile(session, parser);
        checkBeforeWriting(session, parser, profile, QStringLiteral("write"));
        if (profile.rotation.rows.isEmpty())
            CliSession::fail(QStringLiteral("There are no maps in the list, please select at least one map"));
        failUnless(gbln_MakeAdvancedCycle(out, handOverCycle(profile), session.context()));
        session.out() << QDir::toNativeSeparators(out) << '\n';
    }
};

} // namespace

void addGenerateCommands(CommandList& commands)
{
    commands.push_back(std::make_unique<MapListCommand>());
    commands.push_back(std::make_unique<ConfigCommand>());
    commands.push_back(std::make_unique<LaunchLineCommand>());
    commands.push_back(std::make_unique<ScriptCommand>(QStringLiteral("batch"),
        QStringLiteral("write the Windows batch file that starts the server"), &gbln_MakeBatchFile));
    commands.push_back(std::make_unique<ShellCommand>());
    commands.push_back(std::make_unique<CycleCommand>());
}

} // namespace fw::cli
