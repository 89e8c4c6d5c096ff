#include "generate/BanListWriter.h"

#include "generate/GeneratedFileText.h"
#include "profile/ServerProfile.h"
#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "support/files/AnsiTextFile.h"
#include "support/files/WholeFileBatch.h"

namespace fw {

bool gbln_MakeBANList(const ServerProfile& profile, AppContext& ctx)
{
    try {
        AnsiTextBuilder text;
        text.lines(
                framedHeader(kSlashRule,
                    QStringLiteral("//              Medal of Honor BAN Configuration File               //"),
                    QStringLiteral("// "), ctx.clock))
            .line()
            .line(QStringLiteral("// This file is automatically executed by MOHAA_server.exe"))
            .line()
            .line(QStringLiteral("reset g_banIPs"))
            .line(setaLine(QStringLiteral("g_filterBan"), QStringLiteral("1")))
            .line(QStringLiteral("// Begin Banned IP's List"));
        for (const BanEntry& ban : profile.bans)
            text.line(QStringLiteral("addIP \"") + ban.address + QLatin1Char('"'));
        text.line(QStringLiteral("writeconfig q3config.cfg"))
            .line(QStringLiteral("wait"))
            .line(QStringLiteral("// End Banned IP's List"));
        writeFileWhole(ctx.mainFile(QStringLiteral("Banned.cfg")), text.bytes());
        return true;
    } catch (const std::exception& e) {
        ctx.errors.report(QStringLiteral("::modFunctions.gbln_MakeBANList(Function)"), e);
        return false;
    }
}

} // namespace fw
