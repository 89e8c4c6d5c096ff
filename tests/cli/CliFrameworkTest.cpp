#include "cli/CliApp.h"
#include "cli/CliSession.h"
#include "support/Prompter.h"

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

struct CliRun {
    int code;
    QString out;
    QString err;
};

CliRun runWith(const QStringList& arguments)
{
    CommandList commands;
    commands.push_back(std::make_unique<EchoCommand>());
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = runCli(arguments, outStream, errStream, commands);
    outStream.flush();
    errStream.flush();
    return { code, out, err };
}

} // namespace

TEST(CliFramework, GlobalOptionsCommandWordsAndCommandOptions)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    const CliRun run = runWith({ QStringLiteral("--data-dir"), data, QStringLiteral("--game-dir=/g"),
        QStringLiteral("echo"), QStringLiteral("this"), QStringLiteral("a"), QStringLiteral("--profile"),
        QStringLiteral("p.ini"), QStringLiteral("b") });
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("a,b|p.ini|%1|/g").arg(data));
}

TEST(CliFramework, ExitCodesAndMessagesOnStandardError)
{
    QTemporaryDir dir;
    const QStringList base
        = { QStringLiteral("--data-dir"), dir.path(), QStringLiteral("echo"), QStringLiteral("this") };

    CliRun run = runWith(base);
    EXPECT_EQ(run.code, 2) << "too few arguments";
    EXPECT_TRUE(run.err.contains(QStringLiteral("Usage: fortwright-cli"))) << run.err.toStdString();

    run = runWith(base + QStringList { QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") });
    EXPECT_EQ(run.code, 2) << "too many arguments";

    run = runWith(base + QStringList { QStringLiteral("a"), QStringLiteral("--bogus") });
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("bogus")));

    run = runWith(base + QStringList { QStringLiteral("fail") });
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, QStringLiteral("it failed\nsecond line\n")) << "trailing blanks are removed";

    run = runWith(base + QStringList { QStringLiteral("box") });
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, QStringLiteral("A box\n"));

    run = runWith(base + QStringList { QStringLiteral("game") });
    EXPECT_EQ(run.code, 1) << "a command that needs a game folder fails without one";
    EXPECT_TRUE(run.err.contains(QStringLiteral("--game-dir")));

    run = runWith({ QStringLiteral("--data-dir"), dir.path(), QStringLiteral("nothing") });
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Unknown command: nothing")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("echo this")));

    run = runWith({ QStringLiteral("--data-dir") });
    EXPECT_EQ(run.code, 2);
}

TEST(CliFramework, HelpPrintsUsage)
{
    QTemporaryDir dir;
    CliRun run = runWith({ QStringLiteral("--data-dir"), dir.path(), QStringLiteral("echo"),
        QStringLiteral("this"), QStringLiteral("--help") });
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral(
        "Usage: fortwright-cli [--data-dir DIR] [--game-dir DIR] echo this [--profile FILE] WORD...")))
        << run.out.toStdString();
    run = runWith({ QStringLiteral("--help") });
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.contains(QStringLiteral("prints its arguments")));
}
