#include "profile/ProfileLayout.h"

#include "profile/ServerProfile.h"

#include <QStringList>

namespace fw {
namespace {

using G = SettingGroup;

// The order of the sections in a profile file; std::nullopt marks the saved map-cycle path.
const std::optional<SettingGroup> kSectionOrder[] = {
    G::txtAdministration,
    G::txtGameSettings,
    G::txtMasterServers,
    G::GameLimit,
    G::txtMovement,
    G::chkSOF2Options,
    G::chkDMFlags,
    G::optGameType,
    G::optLogging,
    G::txtLogFileName,
    G::chkLogSync,
    G::optServerType,
    G::txtSeverMessageTime,
    G::txtMsgDelay,
    std::nullopt,
    G::chkPunkBuster,
};

QList<ProfileKey> makeKeys()
{
    QList<ProfileKey> keys;
    for (const std::optional<SettingGroup>& group : kSectionOrder) {
        if (!group) {
            keys.append(
                { kSavedCycleSection, kSavedCycleSection, std::nullopt, -1, ProfileEncoding::PlainText });
            continue;
        }
        const GroupInfo& info = SettingsCatalogue::group(*group);
        // An option set keeps its selection under one key, as a single control does.
        if (!info.isArray || info.encoding == ProfileEncoding::OptionIndex) {
            keys.append({ info.profileSection, info.profileSection, group, -1, info.encoding });
            continue;
        }
        for (const SettingField& member : SettingsCatalogue::members(*group))
            keys.append({ info.profileSection, info.profileSection + QString::number(member.index), group,
                member.index, info.encoding });
    }
    return keys;
}

} // namespace

const QList<ProfileKey>& profileKeys()
{
    static const QList<ProfileKey> kKeys = makeKeys();
    return kKeys;
}

QStringList profileValues(const ServerProfile& profile)
{
    QStringList values;
    for (const ProfileKey& key : profileKeys()) {
        if (!key.group)
            values.append(profile.rotation.savedCyclePath);
        else if (key.encoding == ProfileEncoding::OptionIndex)
            values.append(QString::number(profile.selected(*key.group)));
        else
            values.append(profile.value(*key.group, key.index));
    }
    return values;
}

} // namespace fw
