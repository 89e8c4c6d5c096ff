#include "CliRun.h"
#include "testkit/QtPrinters.h"
#include "testkit/TestData.h"

namespace {

const QString kUsage = u"Usage: fortwright-cli [--data-dir DIR] [--game-dir DIR] "_s;

} // namespace

TEST(CommandUsage, ANounWithoutItsSubcommandListsThem)
{
    // Each line: the arguments, the exit code (2 with the list on standard error, 0 with it on
    // standard output), the noun, and subcommands the list holds, a tab between them.
    const QStringList cases
        = QString::fromLatin1(testData(u"noun-usage.tsv"_s)).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(cases.size(), 8);
    for (const QString& line : cases) {
        SCOPED_TRACE(line.toStdString());
        const QStringList c = line.split(u'\t');
        const CliResult result = runTool(c[0].split(u' '));
        const int code = c[1].toInt();
        const QString& listing = code == 0 ? result.out : result.err;
        EXPECT_EQ(result.code, code);
        EXPECT_EQ(code == 0 ? result.err : result.out, QString());
        EXPECT_TRUE(listing.startsWith(
            kUsage + c[2] + u" SUBCOMMAND [ARGS...]\nSubcommands (--help after one shows its usage):\n"_s))
            << listing.toStdString();
        for (const QString& subcommand : c.mid(3))
            EXPECT_TRUE(listing.contains(u"\n  "_s + subcommand + u"\n      "_s))
                << subcommand.toStdString() << " in " << listing.toStdString();
    }
}

TEST(CommandUsage, UsageMarksARequiredOutAndAnUnknownOptionIsNamed)
{
    // The arguments, the exit code, and the start of standard output for 0, of standard error otherwise.
    const std::tuple<QStringList, int, QString> cases[] = {
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
    for (const auto& [arguments, code, start] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliResult result = runTool(arguments);
        EXPECT_EQ(result.code, code);
        EXPECT_TRUE((code == 0 ? result.out : result.err).startsWith(start))
            << result.out.toStdString() << result.err.toStdString();
    }
}
