#include "profile/FieldValueRules.h"

#include <QRegularExpression>

namespace fw {

bool isNumberAsTyped(const QString& text)
{
    static const QRegularExpression kNumberSoFar(QStringLiteral("^-?\\d*\\.?\\d*$"));
    return kNumberSoFar.match(text).hasMatch();
}

namespace {

bool isDigits(const QString& text, int places)
{
    if (text.size() > places)
        return false;
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

bool fieldAcceptsText(const SettingField& field, const QString& text)
{
    switch (field.kind) {
    case FieldKind::Number:
        return isNumberAsTyped(text);
    case FieldKind::Check:
        return text == QLatin1String("0") || text == QLatin1String("1");
    case FieldKind::Text:
        return field.maxLength <= 0 || isDigits(text, field.maxLength);
    case FieldKind::Option:
        break;
    }
    return false;
}

bool fieldAcceptsNumber(const SettingField& field, qint64 value)
{
    return fieldAcceptsText(field, QString::number(value));
}

QString fieldTakes(const SettingField& field)
{
    switch (field.kind) {
    case FieldKind::Number:
        return QStringLiteral("a number");
    case FieldKind::Check:
        return QStringLiteral("0 or 1");
    case FieldKind::Text:
        if (field.maxLength > 0)
            return QStringLiteral("at most %1 digits").arg(field.maxLength);
        return QStringLiteral("any text");
    case FieldKind::Option:
        break;
    }
    return QStringLiteral("one of its members");
}

} // namespace fw
