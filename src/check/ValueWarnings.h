#pragma once

#include <QString>
#include <QStringList>

namespace fw {

class ServerProfile;
struct SettingField;

// What the check says about one text field's value on its own (a line break, a double quote),
// one sentence per kind, none for a value that holds neither. The value is kept as it is.
QStringList fieldValueWarnings(const SettingField& field, const QString& value);
// The same for every text field of a profile, in catalogue order.
QStringList profileValueWarnings(const ServerProfile& profile);

} // namespace fw
