#pragma once

#include "profile/ServerProfile.h"

#include <QHash>
#include <QObject>

class QAbstractButton;
class QButtonGroup;
class QWidget;

namespace fw {

// Makes the widget of each catalogued field and keeps it bound to one ServerProfile in both
// directions: an edit changes the profile at once, and refresh() shows the profile's values.
class ProfileBinder : public QObject {
    Q_OBJECT
public:
    explicit ProfileBinder(ServerProfile& profile, QObject* parent = nullptr);

    // The widget of a field, made on first use, named after the control ("txtAdministration_13",
    // "txtLogFileName"); nullptr for a field the catalogue lacks.
    QWidget* widget(SettingGroup group, int index = -1);
    QWidget* widget(FieldId id) { return widget(id.group, id.index); }
    // A caption label for a field, with its accelerator bound to the field's widget.
    QWidget* caption(SettingGroup group, int index = -1);
    QWidget* caption(FieldId id) { return caption(id.group, id.index); }

    ServerProfile& profile() { return m_profile; }
    // Shows every bound field's value from the profile.
    void refresh();
    // Shows one field's value.
    void refresh(SettingGroup group, int index = -1);
    void refresh(FieldId id) { refresh(id.group, id.index); }

    static QString objectName(SettingGroup group, int index);

signals:
    void fieldChanged(fw::SettingGroup group, int index);

private:
    QWidget* makeWidget(const SettingField& field);
    void show(const SettingField& field, QWidget* widget);
    QButtonGroup* optionGroup(SettingGroup group);

    ServerProfile& m_profile;
    QHash<FieldId, QWidget*> m_widgets;
    QHash<int, QButtonGroup*> m_optionGroups;
    bool m_refreshing = false;
};

} // namespace fw
