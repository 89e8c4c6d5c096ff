#include "generate/ShellScriptWriter.h"

#include "generate/GeneratedFileText.h"
#include "generate/ScriptExport.h"
#include "profile/SettingsCatalogue.h"
#include "support/AppContext.h"
#include "support/files/AnsiTextFile.h"
#include "support/files/GameTree.h"
#include "support/files/PathHelpers.h"
#include "support/platform/Prompter.h"
#include "support/text/ShellWord.h"

#include <QFileInfo>

namespace fw {

namespace {

const QString kDocumentedServer = QStringLiteral("mohaa_lnxded");

// What the two forms of the command line differ in. The documented one is a guide to adapt; the
// Unix one goes to the game folder, names its server and quotes what the shell would split, and
// starts the server in place of the shell, as screen may not be there.
struct ScriptLine {
    QString folder;
    QString start;
    std::function<QString(const QString&)> word;
};

ScriptLine scriptLine(const ShellScriptForm& form, const AppContext& ctx)
{
    if (!form.unixForm)
        return { QStringLiteral("/mohaa/main"), QStringLiteral("screen ./") + kDocumentedServer,
            [](const QString& value) { return value; } };
    const QString server = form.serverPath.isEmpty() ? kDocumentedServer : GetNamePart(form.serverPath);
    return { shellWord(QFileInfo(ctx.gamePath).absoluteFilePath()),
        QStringLiteral("exec ./") + shellWord(server), shellWord };
}

QByteArray shellScriptText(
    const QString& path, const ScriptValues& v, const AppContext& ctx, const ShellScriptForm& form)
{
    const ScriptLine command = scriptLine(form, ctx);
    AnsiTextBuilder text;
    text.line(QStringLiteral("#!/bin/sh"))
        .line(kShellRule)
        .line(QStringLiteral("# File Created by: Fortwright ver: ") + kVersionText)
        .line(createdOnLine(QStringLiteral("# "), ctx.clock))
        .line(QStringLiteral("# ") + kContactAddress)
        .line(kShellRule)
        .line(QStringLiteral("# Remember to change the path below to point to your main folder"))
        .line(QStringLiteral("# To run this file, open a terminal window and cd to the folder"))
        .line(QStringLiteral("# you copied this file to and type;"))
        .line(QStringLiteral("# sh ") + GetNamePart(path))
        .line(kShellRule)
        .line(QStringLiteral("# DO NOT USE the net_IP OR net_Port on your command line unless you're on a "
                             "multi-homed system"))
        .line(QStringLiteral("cd ") + command.folder)
        .line(command.start + QStringLiteral(" +set fs_basepath ./ +set com_zoneMegs ") + command.word(v.zone)
            + QLatin1Char(' ') + v.pure + QStringLiteral(" +set com_hunkMegs ") + command.word(v.hunk)
            + QStringLiteral(" +set com_soundmegs ") + command.word(v.sound)
            + QStringLiteral(
                " +set vm_game 2 +set vm_cgame 2 +set vm_ui 2 +set dedicated 2 +set ttycon 0 +set net_port ")
            + command.word(v.port) + QStringLiteral(" +exec ") + command.word(v.configFile));
    return text.bytes(form.unixForm ? LineEnd::Lf : LineEnd::CrLf);
}

void informAboutGuide(AppContext& ctx, const ScriptValues& values)
{
    ctx.prompter.inform(messageLines({
        QStringLiteral("The following shell script is a guide and will need paths adjusted to point to your "
                       "Medal of Honor folder"),
        QStringLiteral("Place this file in the folder that contains the mohaa_lnxded executable "
                       "and execute it "
                       "from there."),
        QStringLiteral("Don't forget to include the ") + values.configFile
            + QStringLiteral(" file, place that in your main folder"),
    }));
}

} // namespace

bool gbln_MakeLinuxFile(
    const ServerProfile& profile, AppContext& ctx, ShowWritten show, const ShellScriptForm& form)
{
    ScriptExport script { kShellDefaultPort, QStringLiteral("::modFunctions.gbln_MakeLinuxFile(Function)"),
        QStringLiteral("Save Linux Shell Script"), QStringLiteral("Linux Shell Script (*.sh)|*.sh"),
        [&ctx] { return gstr_CheckDir(ctx.gamePath, ctx.prompter) + mainFolderName(ctx.gamePath); },
        [&ctx](const ScriptValues& values) { informAboutGuide(ctx, values); },
        [&ctx, &form](const QString& path, const ScriptValues& values) {
            return shellScriptText(path, values, ctx, form);
        },
        [&ctx](const QString&) {
            ctx.prompter.inform(QStringLiteral("Shell script has been Saved") + kEightBlanks,
                QStringLiteral("Linux Shell Script"));
        } };
    if (form.unixForm) {
        // It runs as it is, so the guide's note does not apply.
        script.dialogFilter = QStringLiteral("Unix shell script, runs as is (*.sh)|*.sh");
        script.beforeDialog = nullptr;
        script.executable = true;
    }
    return exportScript(profile, ctx, show, script);
}

} // namespace fw
