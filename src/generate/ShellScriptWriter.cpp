#include "generate/ShellScriptWriter.h"

#include "generate/GeneratedFileText.h"
#include "generate/ScriptExport.h"
#include "profile/SettingsCatalogue.h"
#include "support/AppContext.h"
#include "support/files/AnsiTextFile.h"
#include "support/files/GameTree.h"
#include "support/files/PathHelpers.h"
#include "support/platform/Prompter.h"

namespace fw {

namespace {

QByteArray shellScriptText(const QString& path, const ScriptValues& v, const AppContext& ctx)
{
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
        .line(QStringLiteral("cd /mohaa/main"))
        .line(QStringLiteral("screen ./mohaa_lnxded +set fs_basepath ./ +set com_zoneMegs ") + v.zone
            + QLatin1Char(' ') + v.pure + QStringLiteral(" +set com_hunkMegs ") + v.hunk
            + QStringLiteral(" +set com_soundmegs ") + v.sound
            + QStringLiteral(
                " +set vm_game 2 +set vm_cgame 2 +set vm_ui 2 +set dedicated 2 +set ttycon 0 +set net_port ")
            + v.port + QStringLiteral(" +exec ") + v.configFile);
    return text.bytes();
}

} // namespace

bool gbln_MakeLinuxFile(const ServerProfile& profile, AppContext& ctx, ShowWritten show)
{
    return exportScript(profile, ctx, show,
        { kShellDefaultPort, QStringLiteral("::modFunctions.gbln_MakeLinuxFile(Function)"),
            QStringLiteral("Save Linux Shell Script"), QStringLiteral("Linux Shell Script (*.sh)|*.sh"),
            [&ctx] { return gstr_CheckDir(ctx.gamePath, ctx.prompter) + mainFolderName(ctx.gamePath); },
            [&ctx](const ScriptValues& values) {
                ctx.prompter.inform(messageLines({
                    QStringLiteral(
                        "The following shell script is a guide and will need paths adjusted to point to your "
                        "Medal of Honor folder"),
                    QStringLiteral("Place this file in the folder that contains the mohaa_lnxded executable "
                                   "and execute it "
                                   "from there."),
                    QStringLiteral("Don't forget to include the ") + values.configFile
                        + QStringLiteral(" file, place that in your main folder"),
                }));
            },
            [&ctx](const QString& path, const ScriptValues& values) {
                return shellScriptText(path, values, ctx);
            },
            [&ctx](const QString&) {
                ctx.prompter.inform(QStringLiteral("Shell script has been Saved") + kEightBlanks,
                    QStringLiteral("Linux Shell Script"));
            } });
}

} // namespace fw
