#include "profile/ServerProfile.h"

namespace fw {

ServerProfile::ServerProfile()
    : configs(kAdditionalConfigRows)
{
    for (const SettingField& f : SettingsCatalogue::fields()) {
        if (f.kind == FieldKind::Option) {
            if (f.initial == QLatin1String("1"))
                m_selection.insert(int(f.group), f.index);
        } else {
            m_values.insert(f.id(), f.initial);
        }
    }
}

QString ServerProfile::value(FieldId id) const
{
    if (SettingsCatalogue::group(id.group).kind == FieldKind::Option)
        return selected(id.group) == id.index && id.index >= 0 ? QStringLiteral("1") : QStringLiteral("0");
    return m_values.value(id);
}

bool ServerProfile::setValue(FieldId id, const QString& value)
{
    const SettingField* f = SettingsCatalogue::field(id);
    if (!f || f->kind == FieldKind::Option)
        return false;
    m_values.insert(id, value);
    return true;
}

bool ServerProfile::isOn(FieldId id) const
{
    return value(id).toInt() != 0;
}

int ServerProfile::selected(SettingGroup group) const
{
    return m_selection.value(int(group), -1);
}

bool ServerProfile::select(SettingGroup group, int index)
{
    const SettingField* f = SettingsCatalogue::field(group, index);
    if (!f || f->kind != FieldKind::Option)
        return false;
    m_selection.insert(int(group), index);
    return true;
}

void ServerProfile::clearSelection(SettingGroup group)
{
    m_selection.remove(int(group));
}

QString ServerProfile::selectedTag(SettingGroup group) const
{
    const int index = selected(group);
    return index < 0 ? QString() : SettingsCatalogue::tag(group, index);
}

} // namespace fw
