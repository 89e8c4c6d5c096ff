#include "check/ValueWarnings.h"

#include "check/CheckRules.h"
#include "profile/ServerProfile.h"

namespace fw {

QStringList fieldValueWarnings(const SettingField& field, const QString& value)
{
    QStringList warnings;
    for (const Finding& finding : fieldValueFindings(field, value))
        warnings << finding.what;
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
