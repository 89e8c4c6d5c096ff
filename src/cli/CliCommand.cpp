#include "cli/CliCommand.h"

#include "cli/CliSession.h"

namespace fw::cli {

QString CliCommand::usage() const
{
    QString line = QStringLiteral("Usage: fortwright-cli [--data-dir DIR] [--game-dir DIR] ") + name();
    for (const QCommandLineOption& option : options())
        line += QStringLiteral(" [--%1 %2]").arg(option.names().constFirst(), option.valueName());
    if (!argumentSyntax().isEmpty())
        line += QLatin1Char(' ') + argumentSyntax();
    return line + QStringLiteral("\n  ") + summary();
}

int CliCommand::execute(CliSession& session, const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList { QStringLiteral("h"), QStringLiteral("help") });
    parser.addOption(help);
    parser.addOptions(options());
    if (!parser.parse(QStringList { name() } + arguments))
        CliSession::usage(parser.errorText() + QLatin1Char('\n') + usage());
    if (parser.isSet(help)) {
        session.out() << usage() << Qt::endl;
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() < minArguments() || (maxArguments() >= 0 && positional.size() > maxArguments()))
        CliSession::usage(usage());
    run(session, parser, positional);
    return 0;
}

QCommandLineOption CliCommand::profileOption()
{
    return { QStringLiteral("profile"), QStringLiteral("Use this profile file instead of Default.ini."),
        QStringLiteral("FILE") };
}

QCommandLineOption CliCommand::outOption()
{
    return { QStringLiteral("out"), QStringLiteral("Write the file here."), QStringLiteral("FILE") };
}

} // namespace fw::cli
