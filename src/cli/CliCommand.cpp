#include "cli/CliCommand.h"

#include "cli/CliSession.h"

namespace fw::cli {

QString CliCommand::synopsis() const
{
    QString line = name();
    for (const QCommandLineOption& option : options()) {
        const QString name = option.names().constFirst();
        const QString value = option.valueName();
        const QString text
            = value.isEmpty() ? QStringLiteral("--") + name : QStringLiteral("--%1 %2").arg(name, value);
        line += QLatin1Char(' ')
            + (requiredOptions().contains(name) ? text : QLatin1Char('[') + text + QLatin1Char(']'));
    }
    if (!argumentSyntax().isEmpty())
        line += QLatin1Char(' ') + argumentSyntax();
    return line;
}

QString CliCommand::usage() const
{
    const QString note = usageNote();
    return kUsageHead + synopsis() + QStringLiteral("\n  ") + summary()
        + (note.isEmpty() ? QString() : QStringLiteral("\n  ") + note);
}

namespace {

// A value such as "-5" is a number to set, not an option: it is hidden from the option parser
// behind a marker and put back among the positional arguments in its place.
const QString negativeMarker = QStringLiteral("\x01negative:");

bool looksNegativeNumber(const QString& argument)
{
    return argument.size() > 1 && argument.at(0) == QLatin1Char('-')
        && (argument.at(1).isDigit() || argument.at(1) == QLatin1Char('.'));
}

QStringList hideNegativeNumbers(const QStringList& arguments)
{
    QStringList hidden;
    hidden.reserve(arguments.size());
    for (const QString& argument : arguments)
        hidden << (looksNegativeNumber(argument) ? negativeMarker + argument : argument);
    return hidden;
}

QStringList restoreNegativeNumbers(QStringList positional)
{
    for (QString& argument : positional)
        if (argument.startsWith(negativeMarker))
            argument.remove(0, negativeMarker.size());
    return positional;
}

} // namespace

int CliCommand::execute(
    QTextStream& out, const QStringList& arguments, const std::function<CliSession&()>& openSession)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList { QStringLiteral("h"), QStringLiteral("help") });
    parser.addOption(help);
    parser.addOptions(options());
    if (!parser.parse(QStringList { name() } + hideNegativeNumbers(arguments)))
        CliSession::usage(parser.errorText() + QLatin1Char('\n') + usage());
    if (parser.isSet(help)) {
        out << usage() << Qt::endl;
        return 0;
    }
    for (const QCommandLineOption& option : options()) {
        if (requiredOptions().contains(option.names().constFirst()) && parser.value(option).isEmpty())
            CliSession::usage(
                QStringLiteral("--%1 %2 is required\n").arg(option.names().constFirst(), option.valueName())
                + usage());
    }
    const QStringList positional = restoreNegativeNumbers(parser.positionalArguments());
    if (positional.size() < minArguments() || (maxArguments() >= 0 && positional.size() > maxArguments()))
        CliSession::usage(usage());
    run(openSession(), parser, positional);
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
