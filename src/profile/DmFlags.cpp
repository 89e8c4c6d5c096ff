#include "profile/DmFlags.h"

namespace fw {

int dmFlagSum(const ServerProfile& profile)
{
    int sum = 0;
    for (const SettingField& box : SettingsCatalogue::members(SettingGroup::chkDMFlags)) {
        if (profile.isOn(SettingGroup::chkDMFlags, box.index))
            sum += box.tag.toInt();
    }
    return sum;
}

QString dmFlagsText(const ServerProfile& profile)
{
    return QString::number(dmFlagSum(profile));
}

} // namespace fw
