#pragma once

#include "profile/FieldId.h"

#include <QList>
#include <QString>

namespace fw {

enum class FieldKind { Text, Number, Check, Option };

// How a group is kept in a profile file.
enum class ProfileEncoding {
    None, // not part of a profile
    AdminText, // empty -> " ", "," -> "%" on saving; both undone on loading
    MasterText, // saved unchanged; " " and "%" undone on loading
    PlainText,
    Integer,
    CheckValue,
    OptionIndex,
};

enum class SettingTab { Server, Game, Maps, MiscOptions, Information, None };

// How a field becomes a line of the server configuration.
enum class ConfigLine {
    None, // not written there (it goes on the command line, or stays in the profile)
    Seta, // always, the text as typed
    SetaWhenTyped, // only when the text is not empty
    SetsWhenTyped, // "sets "tag" "text"", only when the text is not empty
    SetaOr200, // a time-out whose reading 0 means 200
    SetaCheck, // "1" or "0"
    SetaTrimmed,
    SetaPositiveOrZero, // the text when its reading is above 0, else "0"
};

// One group: its layout on the window and in the profile file.
struct GroupInfo {
    SettingGroup group;
    QString name; // the control name, e.g. "txtAdministration"
    FieldKind kind;
    bool isArray; // a control array addressed by index; false for single controls
    SettingTab tab;
    QString frame; // caption of the frame that holds it ("" for the untitled server-settings frame)
    QString profileSection; // section and key stem in a profile; empty when not stored
    ProfileEncoding encoding;
    QString frameTooltip;
};

// One row of the catalogue. Single controls have index -1.
struct SettingField {
    SettingGroup group;
    int index;
    QString tag;
    QString caption; // with its "&" accelerator
    QString tooltip;
    FieldKind kind;
    int minimum = 0;
    int maximum = 0;
    QString initial; // text as shown; checks "0"/"1"; option members "1" when selected at first
    QString captionTooltip; // a tooltip of the caption label itself, where it has one of its own
    int maxLength = 0; // digits a field may hold (the port); 0 for no limit
    ConfigLine configLine = ConfigLine::None;
    bool password = false; // shown masked on the window; stored and written as typed

    FieldId id() const { return { group, index }; }
    SettingField writtenAs(ConfigLine line) const
    {
        SettingField written = *this;
        written.configLine = line;
        return written;
    }
};

class SettingsCatalogue {
public:
    static const QList<GroupInfo>& groups();
    static const QList<SettingField>& fields();
    static const GroupInfo& group(SettingGroup group);
    // The members of a group, lowest index first.
    static QList<SettingField> members(SettingGroup group);
    // nullptr when the group has no such index.
    static const SettingField* field(SettingGroup group, int index = -1);
    static const SettingField* field(FieldId id) { return field(id.group, id.index); }
    static QString tag(SettingGroup group, int index = -1);
    static QString tag(FieldId id) { return tag(id.group, id.index); }
    static int memberCount(SettingGroup group);
    // The group named name (e.g. "txtAdministration"); false when none is.
    static bool groupByName(const QString& name, SettingGroup& out);
};

// Values of the program's own that every generated header and the About window show.
inline const QString kVersionText = QStringLiteral("0.1.2 October 21 2002");
inline const QString kContactAddress = QStringLiteral("fortwright@example.org");
inline const QString kWebAddress = QStringLiteral("https://fortwright.example.org");

} // namespace fw
