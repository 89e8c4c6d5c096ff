#pragma once

#include "profile/FieldId.h"

#include <QList>
#include <QString>

namespace fw {

class MapCatalogue;
class MapNameIndex;
class ServerProfile;

// How much a finding matters: the server would run something other than a setting, a setting or
// message would not do what it says, or something worth knowing.
enum class Severity { Danger, Warning, Note };

// What a finding concerns: one field of the catalogue, or one of the lists kept beside them.
struct FindingPlace {
    enum class Kind { Field, Rotation, Configs, Message, SavedCycle };
    Kind kind = Kind::Field;
    FieldId field { SettingGroup::txtAdministration, -1 }; // with Kind::Field
    int row = -1; // the row of a list (0-based), -1 for the list as a whole

    friend bool operator==(const FindingPlace&, const FindingPlace&) = default;
};

struct Finding {
    Severity severity = Severity::Note;
    FindingPlace place;
    QString what; // what the server will do, with the exact text where it helps
    QString fix; // what to do about it

    friend bool operator==(const Finding&, const Finding&) = default;
};

// What the check may look at beyond the profile; each piece is optional.
struct CheckInputs {
    const MapCatalogue* catalogue = nullptr; // the last scan; no catalogue, no map rules
    // The catalogue's names, ready: a caller that checks on every edit builds it once per scan.
    const MapNameIndex* mapIndex = nullptr;
};

// Every finding for profile, dangers first, then warnings, then notes, each kind in catalogue
// order. Cheap enough to run on every edit.
QList<Finding> preflightCheck(const ServerProfile& profile, const CheckInputs& inputs = {});

// "danger", "warning", "note".
QString severityName(Severity severity);
// The place as the command line prints it: "txtAdministration 13", "rotation 3", "message".
QString placeName(const FindingPlace& place);
// Whether any finding is a danger.
bool hasDanger(const QList<Finding>& findings);

} // namespace fw
