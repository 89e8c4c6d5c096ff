#include "app/ProfileModel.h"

#include "profile/DmFlags.h"

namespace fw {

ProfileModel::ProfileModel(AppContext& context, QObject* parent)
    : QObject(parent)
    , m_rotationCommands(m_profile.rotation, context)
{
}

void ProfileModel::appendToRotation(const QString& mapName, const QString& gameTypes, const QString& longName)
{
    m_rotationCommands.add(mapName, gameTypes, longName);
    emit rotationRowAppended();
}

void ProfileModel::setValue(FieldId id, const QString& value)
{
    if (!m_profile.setValue(id, value))
        return;
    emit fieldChanged(id);
    if (id.group == SettingGroup::chkDMFlags) {
        const FieldId sum { SettingGroup::txtDMFlags, -1 };
        m_profile.setValue(sum, dmFlagsText(m_profile));
        emit fieldChanged(sum);
    }
}

void ProfileModel::select(SettingGroup group, int index)
{
    if (m_profile.select(group, index))
        emit fieldChanged({ group, index });
}

void ProfileModel::setMessage(const QString& message)
{
    m_profile.message = message;
    emit fieldChanged({ SettingGroup::txtMsg, -1 });
}

} // namespace fw
