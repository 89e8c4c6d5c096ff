#include "profile/ProfileTextCodec.h"

namespace fw {

QString IsClean(const QString& text, const QString& find, const QString& replacement)
{
    if (text.isEmpty())
        return {};
    if (find.isEmpty())
        return text;
    return QString(text).replace(find, replacement, Qt::CaseSensitive);
}

QString encodeAdminText(const QString& text)
{
    return text.isEmpty() ? QStringLiteral(" ") : IsClean(text, QStringLiteral(","), QStringLiteral("%"));
}

QString decodeStoredText(const QString& stored)
{
    if (stored == QLatin1String(" "))
        return {};
    return IsClean(stored, QStringLiteral("%"), QStringLiteral(","));
}

} // namespace fw
