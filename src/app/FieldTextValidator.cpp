#include "app/FieldTextValidator.h"

#include "profile/FieldValueRules.h"

namespace fw {

FieldTextValidator::FieldTextValidator(const SettingField& field, QObject* parent)
    : QValidator(parent)
    , m_field(field)
{
}

QValidator::State FieldTextValidator::validate(QString& input, int&) const
{
    return fieldAcceptsText(m_field, input) ? Acceptable : Invalid;
}

} // namespace fw
