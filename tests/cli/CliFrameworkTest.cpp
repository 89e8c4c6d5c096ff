#include "CliRun.h"
#include "cli/CliSession.h"
#include "support/platform/Prompter.h"

#include <QTemporaryDir>

using namespace fw::cli;

namespace {

// A command that shows what the framework handed it.
class EchoCommand : public CliCommand {
public:
    QStringList words() const override { return { u"echo"_s, u"this"_s }; }
    QString summary() const override { return u"prints its arguments"_s; }
    QString argumentSyntax() const override { return u"WORD..."_s; }
    QList<QCommandLineOption> options() const override { return { profileOption() }; }
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 2; }

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList& positional) override
    {
        if (positional.first() == QLatin1String("fail"))
            CliSession::fail(u"it failed        \r\nsecond line        "_s);
        if (positional.first() == QLatin1String("box"))
            session.prompter().warn(u"A box        "_s);
        if (positional.first() == QLatin1String("game"))
            session.gameContext();
        session.out() << positional.join(QLatin1Char(',')) << '|' << parser.value(u"profile"_s) << '|'
                      << session.context().dataDir << '|' << session.context().gamePath;
    }
};

CliResult runWith(const QStringList& arguments)
{
    CommandList commands;
    commands.push_back(std::make_unique<EchoCommand>());
    return runTool(arguments, commands);
}

struct CliFramework : ::testing::Test {
    QTemporaryDir dir;
};

} // namespace

TEST_F(CliFramework, GlobalOptionsCommandWordsAndCommandOptions)
{
    const QString data = dir.filePath(u"data"_s);
    const CliResult run
        = runWith({ "--data-dir", data, "--game-dir=/g", "echo", "this", "a", "--profile", "p.ini", "b" });
    expectRun(run, 0, QString());
    EXPECT_EQ(run.out, u"a,b|p.ini|%1|/g"_s.arg(data));
}

TEST_F(CliFramework, ExitCodesAndMessagesOnStandardError)
{
    const QStringList base = { "--data-dir", dir.path(), "echo", "this" };
    // The arguments, the exit code, and how standard error holds what it must.
    const std::tuple<QStringList, int, ErrText, QString> cases[] = {
        { base, 2, ErrText::Part, "Usage: fortwright-cli" }, // too few arguments
        { base + QStringList { "a", "b", "c" }, 2, ErrText::Part, "Usage: fortwright-cli" }, // too many
        { base + QStringList { "a", "--bogus" }, 2, ErrText::Part, "bogus" },
        { base + QStringList { "fail" }, 1, ErrText::Whole,
            "it failed\nsecond line\n" }, // trailing blanks go
        { base + QStringList { "box" }, 0, ErrText::Whole, "A box\n" },
        { base + QStringList { "game" }, 1, ErrText::Part, "--game-dir" }, // needs a game folder, has none
        { { "--data-dir", dir.path(), "nothing" }, 2, ErrText::Start, "Unknown command: nothing" },
        { { "--data-dir", dir.path(), "nothing" }, 2, ErrText::Part, "echo this" }, // the usage lists them
        { { "--data-dir" }, 2, ErrText::Part, "" },
    };
    for (const auto& [arguments, code, how, err] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        expectRun(runWith(arguments), code, err, how);
    }
}

TEST_F(CliFramework, HelpPrintsUsage)
{
    CliResult run = runWith({ "--data-dir", dir.path(), "echo", "this", "--help" });
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.startsWith(
        u"Usage: fortwright-cli [--data-dir DIR] [--game-dir DIR] echo this [--profile FILE] WORD..."_s))
        << run.out.toStdString();
    run = runWith({ "--help" });
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.contains(u"prints its arguments"_s));
}
