#pragma once

#include "app/ProfileModel.h"

#include <QHash>
#include <QObject>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QWidget;

namespace fw {

// Makes the widget of each catalogued field and keeps it bound to the window's profile in both
// directions: an edit changes the profile at once, and a change the model announces is shown.
class ProfileBinder : public QObject {
    Q_OBJECT
public:
    explicit ProfileBinder(ProfileModel& model, QObject* parent = nullptr);

    // The widget of a field, made on first use, named after the control ("txtAdministration_13",
    // "txtLogFileName"); nullptr for a field the catalogue lacks.
    QWidget* widget(SettingGroup group, int index = -1);
    QWidget* widget(FieldId id) { return widget(id.group, id.index); }
    // A caption label for a field, with its accelerator bound to the field's widget.
    QWidget* caption(SettingGroup group, int index = -1);
    QWidget* caption(FieldId id) { return caption(id.group, id.index); }

    ProfileModel& model() { return m_model; }
    const ServerProfile& profile() const { return m_model.profile(); }

    static QString objectName(SettingGroup group, int index);

private:
    // Shows every bound field's value from the profile.
    void refresh();
    // Shows one field's value.
    void refresh(FieldId id);
    QWidget* makeWidget(const SettingField& field);
    void show(const SettingField& field, QWidget* widget);
    QButtonGroup* optionGroup(SettingGroup group);
    template <typename Store> void storing(FieldId id, Store&& store);

    ProfileModel& m_model;
    QHash<FieldId, QWidget*> m_widgets;
    QHash<int, QButtonGroup*> m_optionGroups;
    // While a widget's edit is stored or the profile shown, neither echoes back into the other.
    bool m_refreshing = false;
    std::optional<FieldId> m_storing;
};

} // namespace fw
