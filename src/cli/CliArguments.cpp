#include "cli/CliArguments.h"

#include "cli/CliSession.h"

namespace fw::cli {

int entryIndex(const QString& text, qsizetype count, const QString& what)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok)
        CliSession::usage(QStringLiteral("Not an entry number: %1").arg(text));
    if (number < 1 || number > count)
        CliSession::fail(
            QStringLiteral("There is no %1 %2 (the list has %3).").arg(what).arg(number).arg(count));
    return number - 1;
}

QStringList commandWords(const char* noun, const char* verb)
{
    return { QString::fromLatin1(noun), QString::fromLatin1(verb) };
}

QString oneLine(const QString& text)
{
    QString line = text;
    return line.replace(QLatin1String("\r\n"), QLatin1String("\\n"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\n"));
}

} // namespace fw::cli
