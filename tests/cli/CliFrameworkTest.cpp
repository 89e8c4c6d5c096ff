#include "CliRun.h"
#include "cli/CliSession.h"
#include "support/platform/Prompter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace fw;
using namespace fw::cli;

namespace {

// A command that shows what the framework handed it.
class EchoCommand : public CliCommand {
public:
    QStringList words() const override { return { QStringLiteral("echo"), QStringLiteral("this") }; }
    QString summary() const override { return QStringLiteral("prints its arguments"); }
    QString argumentSyntax() const override { return QStringLiteral("WORD..."); }
    QList<QCommandLineOption> options() const override { return { profileOption() }; }
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 2; }

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList& positional) override
    {
        if (positional.first() == QLatin1String("fail"))
            CliSession::fail(QStringLiteral("it failed        \r\nsecond line        "));
        if (positional.first() == QLatin1String("box"))
            session.prompter().warn(QStringLiteral("A box        "));
        if (positional.first() == QLatin1String("game"))
            session.gameContext();
        session.out() << positional.join(QLatin1Char(',')) << '|' << parser.value(QStringLiteral("profile"))
                      << '|' << session.context().dataDir << '|' << session.context().gamePath;
    }
};

test::CliResult runWith(const QStringList& arguments)
{
    CommandList commands;
    commands.push_back(std::make_unique<EchoCommand>());
    return test::runTool(arguments, commands);
}

} // namespace

TEST(CliFramework, GlobalOptionsCommandWordsAndCommandOptions)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    const test::CliResult run
        = runWith({ "--data-dir", data, "--game-dir=/g", "echo", "this", "a", "--profile", "p.ini", "b" });
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("a,b|p.ini|%1|/g").arg(data));
}

TEST(CliFramework, ExitCodesAndMessagesOnStandardError)
{
    QTemporaryDir dir;
    const QStringList base = { "--data-dir", dir.path(), "echo", "this" };
    // How err must hold the text: '=' all of it, '^' at its start, '~' anywhere.
    const struct {
        QStringList arguments;
        int code;
        char match;
        QString err;
    } cases[] = {
        { base, 2, '~', "Usage: fortwright-cli" }, // too few arguments
        { base + QStringList { "a", "b", "c" }, 2, '~', "Usage: fortwright-cli" }, // too many
        { base + QStringList { "a", "--bogus" }, 2, '~', "bogus" },
        { base + QStringList { "fail" }, 1, '=', "it failed\nsecond line\n" }, // trailing blanks removed
        { base + QStringList { "box" }, 0, '=', "A box\n" },
        { base + QStringList { "game" }, 1, '~', "--game-dir" }, // needs a game folder and has none
        { { "--data-dir", dir.path(), "nothing" }, 2, '^', "Unknown command: nothing" },
        { { "--data-dir", dir.path(), "nothing" }, 2, '~', "echo this" }, // the usage lists the commands
        { { "--data-dir" }, 2, '~', "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const test::CliResult run = runWith(c.arguments);
        EXPECT_EQ(run.code, c.code);
        EXPECT_TRUE(c.match == '=' ? run.err == c.err
                : c.match == '^'   ? run.err.startsWith(c.err)
                                   : run.err.contains(c.err))
            << run.err.toStdString();
    }
}

TEST(CliFramework, HelpPrintsUsage)
{
    QTemporaryDir dir;
    test::CliResult run = runWith({ "--data-dir", dir.path(), "echo", "this", "--help" });
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral(
        "Usage: fortwright-cli [--data-dir DIR] [--game-dir DIR] echo this [--profile FILE] WORD...")))
        << run.out.toStdString();
    run = runWith({ "--help" });
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.contains(QStringLiteral("prints its arguments")));
}
