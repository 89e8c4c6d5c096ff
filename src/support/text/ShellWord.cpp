#include "support/text/ShellWord.h"

#include <algorithm>

namespace fw {

namespace {

bool isPlain(QChar c)
{
    return (c.unicode() < 128 && c.isLetterOrNumber()) || QStringLiteral("_-+=.,/:@%").contains(c);
}

} // namespace

QString shellWord(const QString& text)
{
    if (!text.isEmpty() && std::all_of(text.cbegin(), text.cend(), isPlain))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace fw
