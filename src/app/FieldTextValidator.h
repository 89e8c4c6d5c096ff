#pragma once

#include "profile/SettingsCatalogue.h"

#include <QValidator>

namespace fw {

// Lets a field's edit take exactly what the core's field rule takes.
class FieldTextValidator : public QValidator {
    Q_OBJECT
public:
    FieldTextValidator(const SettingField& field, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    const SettingField& m_field;
};

} // namespace fw
