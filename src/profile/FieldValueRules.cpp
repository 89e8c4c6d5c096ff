#include "profile/FieldValueRules.h"

#include "profile/ServerProfile.h"

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

QStringList fieldValueWarnings(const SettingField& field, const QString& value)
{
    QStringList warnings;
    // The message is sent line by line, so its line breaks are meant.
    if (field.kind != FieldKind::Text || field.group == SettingGroup::txtMsg)
        return warnings;
    QString name = QString(field.caption).remove(QLatin1Char('&'));
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    // A numbered caption ("1.") says nothing on its own; the server's name for the field does.
    if (std::none_of(name.cbegin(), name.cend(), [](QChar c) { return c.isLetter(); }))
        name = field.tag;
    if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')))
        warnings << QStringLiteral("%1 holds a line break: the server would read what follows it as a "
                                   "line of its own (a profile file keeps it as a blank)")
                        .arg(name);
    if (value.contains(QLatin1Char('"')))
        warnings << QStringLiteral("%1 holds a double quote: the server would read the value as ending there")
                        .arg(name);
    return warnings;
}

QStringList profileValueWarnings(const ServerProfile& profile)
{
    QStringList warnings;
    for (const SettingField& field : SettingsCatalogue::fields())
        warnings << fieldValueWarnings(field, profile.value(field.id()));
    return warnings;
}

} // namespace fw
