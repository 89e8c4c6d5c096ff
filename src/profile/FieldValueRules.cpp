#include "profile/FieldValueRules.h"

#include "support/NumericText.h"

namespace fw {

bool fieldAcceptsNumber(const SettingField& field, qint64 value)
{
    switch (field.kind) {
    case FieldKind::Number:
        return value >= field.minimum && value <= field.maximum;
    case FieldKind::Check:
        return value == 0 || value == 1;
    case FieldKind::Text:
        return true;
    case FieldKind::Option:
        break;
    }
    return false;
}

bool fieldAcceptsText(const SettingField& field, const QString& text)
{
    if (field.kind == FieldKind::Text)
        return true;
    if (field.kind == FieldKind::Check)
        return text == QLatin1String("0") || text == QLatin1String("1");
    const std::optional<qint64> value = integerHalfEven(text);
    return value && fieldAcceptsNumber(field, *value);
}

} // namespace fw
