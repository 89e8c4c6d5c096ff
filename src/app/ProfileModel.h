#pragma once

#include "maps/RotationCommands.h"
#include "profile/ServerProfile.h"

#include <QObject>

namespace fw {

struct AppContext;

// The window's ServerProfile. Every change to it goes through here and is announced by the
// part it touched, so that each view shows what concerns it by listening, and what changes the
// profile need not know which views there are.
class ProfileModel : public QObject {
    Q_OBJECT
public:
    enum class Part { Fields = 0x1, Rotation = 0x2, Bans = 0x4, Configs = 0x8 };
    Q_DECLARE_FLAGS(Parts, Part)
    static constexpr Parts kAllParts { Part::Fields, Part::Rotation, Part::Bans, Part::Configs };

    explicit ProfileModel(AppContext& context, QObject* parent = nullptr);

    const ServerProfile& profile() const { return m_profile; }
    const RotationCommands& rotationCommands() const { return m_rotationCommands; }

    // Runs change on the profile (a load, a list edit), then announces the parts it may touch;
    // what a change did before it threw is announced too.
    template <typename Change> void edit(Parts parts, Change&& change)
    {
        try {
            change(m_profile);
        } catch (...) {
            emit changed(parts);
            throw;
        }
        emit changed(parts);
    }
    // Runs one of the rotation's commands, then announces the rotation.
    template <typename Command> void editRotation(Command&& command)
    {
        command(m_rotationCommands);
        emit changed(Part::Rotation);
    }
    // Calls show whenever part is announced, for as long as receiver lives.
    template <typename Show> void follow(Part part, QObject* receiver, Show&& show)
    {
        connect(this, &ProfileModel::changed, receiver, [part, show](Parts parts) {
            if (parts & part)
                show();
        });
    }
    // Appends a rotation row, announced as such so that a view need not show every row again.
    void appendToRotation(const QString& mapName, const QString& gameTypes, const QString& longName);

    // One field, as its widget or a command sets it. A check box of the game flags also sets
    // their sum, which is announced as a change of its own.
    void setValue(FieldId id, const QString& value);
    void select(SettingGroup group, int index);
    void setMessage(const QString& message);

signals:
    void changed(fw::ProfileModel::Parts parts);
    void fieldChanged(fw::FieldId id);
    void rotationRowAppended();

private:
    ServerProfile m_profile;
    RotationCommands m_rotationCommands;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ProfileModel::Parts)

} // namespace fw
