#pragma once

#include "profile/SettingsCatalogue.h"

#include <QList>

class QGroupBox;
class QGridLayout;

namespace fw {

class ProfileBinder;

// A frame holding the members of one group, captioned as the catalogue says, laid out in
// columns of caption and field (check boxes and options take a whole cell).
class FieldFrame {
public:
    FieldFrame(ProfileBinder& binder, SettingGroup group, int columns);
    // Leaves members out (placed elsewhere on the window).
    FieldFrame& without(QList<int> indexes);
    // Adds a single control of another group after the members.
    FieldFrame& with(SettingGroup single);
    FieldFrame& titled(const QString& title);
    QGroupBox* build();

private:
    ProfileBinder& m_binder;
    SettingGroup m_group;
    int m_columns;
    QList<int> m_skipped;
    QList<SettingGroup> m_extras;
    QString m_title;
};

} // namespace fw
