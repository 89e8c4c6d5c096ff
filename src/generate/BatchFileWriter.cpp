#include "generate/BatchFileWriter.h"

#include "generate/GeneratedFileText.h"
#include "generate/LaunchLine.h"
#include "generate/ScriptExport.h"
#include "profile/SettingsCatalogue.h"
#include "support/AppContext.h"
#include "support/files/AnsiTextFile.h"
#include "support/platform/Prompter.h"

namespace fw {

namespace {

QString batchCommandLine(const ScriptValues& v)
{
    // No blank between the quoted program name and the first "+set": the server accepts it.
    QString line = QLatin1Char('"') + kServerProgram + QLatin1Char('"') + v.pure
        + QStringLiteral(" +set com_zoneMegs ") + v.zone + QStringLiteral(" +set com_hunkMegs ") + v.hunk
        + QStringLiteral(" +set com_soundmegs ") + v.sound
        + QStringLiteral(" +set vm_game 0 +set dedicated 2 +set net_port ") + v.port;
    if (!v.ip.isEmpty())
        line += QStringLiteral(" +set net_ip ") + v.ip;
    return line + QStringLiteral(" +exec ") + v.configFile;
}

QByteArray batchFileText(const ScriptValues& values, const AppContext& ctx)
{
    AnsiTextBuilder text;
    text.lines(framedHeader(kBatchRule,
                   QStringLiteral("##                    Server Batch File                      ##"),
                   QStringLiteral("## "), ctx.clock))
        .line(QStringLiteral("#"))
        .line(QStringLiteral("# DO NOT USE the net_IP OR net_Port on your command line unless you're on a "
                             "multi-homed system"))
        .line()
        .line(batchCommandLine(values));
    return text.bytes();
}

} // namespace

bool gbln_MakeBatchFile(const ServerProfile& profile, AppContext& ctx, ShowWritten show)
{
    return exportScript(profile, ctx, show,
        { kBatchDefaultPort, QStringLiteral("::frmMain.gbln_MakeBatchFile(Function)"),
            QStringLiteral("Save Batch File"), QStringLiteral("Batch File (*.bat)|*.bat"),
            [&ctx] { return ctx.gamePath; }, {},
            [&ctx](const QString&, const ScriptValues& values) { return batchFileText(values, ctx); },
            [&ctx](const QString& path) {
                ctx.prompter.inform(
                    QLatin1Char('\'') + path + QStringLiteral("' has been Saved") + kEightBlanks);
            } });
}

} // namespace fw
