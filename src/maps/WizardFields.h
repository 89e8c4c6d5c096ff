#pragma once

#include "profile/SettingsCatalogue.h"

#include <QList>

namespace fw {

// The Map Wizard's own fields, one table as the main window's catalogue is: its game-type
// options, DM-flag boxes, limits and game-play values carry the wizard's own tags and captions.
enum class WizardGroup { optGameType, chkDMFlags, GameLimit, txtMovement };

struct WizardField {
    WizardGroup group;
    int index;
    QString tag;
    QString caption;
    QString tooltip;
    int minimum = 0;
    int maximum = 0;
};

class WizardFields {
public:
    static const QList<WizardField>& all();
    static QList<WizardField> members(WizardGroup group);
    static QString tag(WizardGroup group, int index);
    static QString groupName(WizardGroup group);
};

} // namespace fw
