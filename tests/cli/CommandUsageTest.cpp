#include "CliRun.h"
#include "testkit/QtPrinters.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace fw::test;

namespace {

const QString kUsage = u"Usage: fortwright-cli [--data-dir DIR] [--game-dir DIR] "_s;

} // namespace

TEST(CommandUsage, ANounWithoutItsSubcommandListsThem)
{
    const struct {
        QStringList arguments;
        int code; // 2 with the list on standard error, 0 with it on standard output
        const char* noun;
        QStringList subcommands;
    } cases[] = {
        { { "profile" }, 2, "profile",
            { "profile show [--profile FILE]", "profile set [--profile FILE] GROUP INDEX VALUE" } },
        { { "rotation" }, 2, "rotation", { "rotation list", "rotation add MAP...", "rotation clear" } },
        { { "bans" }, 2, "bans", { "bans list", "bans add ADDRESS", "bans remove N" } },
        { { "configs" }, 2, "configs", { "configs list", "configs add PATH", "configs remove N" } },
        { { "message" }, 2, "message", { "message set TEXT", "message show" } },
        { { "profile", "--help" }, 0, "profile", { "profile show [--profile FILE]" } },
        { { "bans", "-h" }, 0, "bans", { "bans list" } },
        { { "--help", "message" }, 0, "message", { "message show" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CliResult result = runTool(c.arguments);
        const QString& listing = c.code == 0 ? result.out : result.err;
        EXPECT_EQ(result.code, c.code);
        EXPECT_EQ(c.code == 0 ? result.err : result.out, QString());
        EXPECT_TRUE(listing.startsWith(kUsage + QLatin1String(c.noun)
            + u" SUBCOMMAND [ARGS...]\nSubcommands (--help after one shows its usage):\n"_s))
            << listing.toStdString();
        for (const QString& subcommand : c.subcommands)
            EXPECT_TRUE(listing.contains(u"\n  "_s + subcommand + u"\n      "_s))
                << subcommand.toStdString() << " in " << listing.toStdString();
    }
}

TEST(CommandUsage, UsageMarksARequiredOutAndAnUnknownOptionIsNamed)
{
    const struct {
        QStringList arguments;
        int code;
        QString start; // of standard output for 0, of standard error otherwise
    } cases[] = {
        { { "batch", "--help" }, 0, kUsage + "batch --out FILE [--profile FILE] [--force]\n" },
        { { "shell", "--help" }, 0, kUsage + "shell --out FILE [--profile FILE] [--force] [--unix]\n" },
        { { "cycle", "--help" }, 0, kUsage + "cycle --out FILE [--profile FILE] [--force]\n" },
        { { "config", "--help" }, 0,
            kUsage + "config [--profile FILE] [--name NAME] [--starting-map LINE] [--out FILE] [--force]\n" },
        { { "cycle" }, 2,
            "--out FILE is required\n" + kUsage + "cycle --out FILE [--profile FILE] [--force]\n" },
        { { "--bogus", "profile", "show" }, 2, "Unknown option: --bogus\n" + kUsage + "COMMAND [ARGS...]\n" },
        { { "--game-dir", "/g", "-x", "maps" }, 2, "Unknown option: -x\n" },
        { { "nothing" }, 2, "Unknown command: nothing\n" + kUsage + "COMMAND [ARGS...]\n" },
        { { "bans", "bogus" }, 2, "Unknown command: bans bogus\n" + kUsage + "bans SUBCOMMAND [ARGS...]\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CliResult result = runTool(c.arguments);
        EXPECT_EQ(result.code, c.code);
        EXPECT_TRUE((c.code == 0 ? result.out : result.err).startsWith(c.start))
            << result.out.toStdString() << result.err.toStdString();
    }
}
