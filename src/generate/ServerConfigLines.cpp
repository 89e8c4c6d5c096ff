#include "generate/ServerConfigLines.h"

#include "generate/GeneratedFileText.h"
#include "generate/MapList.h"
#include "profile/DmFlags.h"
#include "profile/ServerProfile.h"
#include "support/NumericText.h"

#include <optional>

namespace fw {

namespace {

using G = SettingGroup;

// How one field becomes a line of the configuration.
enum class LineRule {
    None,
    Seta, // always, the text as typed
    SetaWhenTyped, // only when the text is not empty
    SetsWhenTyped, // "sets "tag" "text"", only when the text is not empty
    SetaOr200, // a time-out whose reading 0 means 200
    SetaCheck, // "1" or "0"
    SetaTrimmed,
    SetaPositiveOrZero, // the text when its reading is above 0, else "0"
};

LineRule administrationRule(int index)
{
    switch (index) {
    case 15: // address and port reach the server on its command line
    case 16:
    case 17:
        return LineRule::None;
    case 0:
    case 2:
    case 12:
    case 13:
    case 14:
        return LineRule::Seta;
    default:
        return LineRule::SetsWhenTyped;
    }
}

LineRule gameSettingRule(int index)
{
    switch (index) {
    case 1: // memory sizes go on the command line; minimum clients nowhere
    case 10:
    case 11:
    case 12:
        return LineRule::None;
    case 18:
        return LineRule::SetaOr200;
    default:
        return LineRule::SetaWhenTyped;
    }
}

LineRule optionRule(int index)
{
    return index == 8 ? LineRule::None : LineRule::SetaCheck; // pure server goes on the command line
}

LineRule movementRule(int index)
{
    return index == 3 || index == 4 ? LineRule::None : LineRule::Seta; // kept in the profile only
}

// The field's line, or nothing when the rule writes none for it.
std::optional<QString> lineFor(LineRule rule, const ServerProfile& profile, const SettingField& field)
{
    const QString text = profile.text(field.group, field.index);
    switch (rule) {
    case LineRule::None:
        return std::nullopt;
    case LineRule::Seta:
        return setaLine(field.tag, text);
    case LineRule::SetaWhenTyped:
        if (text.isEmpty())
            return std::nullopt;
        return setaLine(field.tag, text);
    case LineRule::SetsWhenTyped:
        if (text.isEmpty())
            return std::nullopt;
        return QStringLiteral("sets \"") + field.tag + QStringLiteral("\" \"") + text + QLatin1Char('"');
    case LineRule::SetaOr200:
        return setaLine(field.tag, leadingNumber(text) == 0 ? QStringLiteral("200") : text);
    case LineRule::SetaCheck:
        return setaLine(
            field.tag, profile.isOn(field.group, field.index) ? QStringLiteral("1") : QStringLiteral("0"));
    case LineRule::SetaTrimmed:
        return setaLine(field.tag, text.trimmed());
    case LineRule::SetaPositiveOrZero:
        return setaLine(field.tag, leadingNumber(text) > 0 ? text : QStringLiteral("0"));
    }
    return std::nullopt;
}

template <typename RuleOf>
void appendGroup(QStringList& out, const ServerProfile& profile, SettingGroup group, RuleOf ruleOf)
{
    for (const SettingField& field : SettingsCatalogue::members(group)) {
        if (const std::optional<QString> line = lineFor(ruleOf(field.index), profile, field))
            out << *line;
    }
}

QStringList headerLines(const ServerConfigInputs& inputs)
{
    return {
        kSlashRule,
        QStringLiteral("//             Medal of Honor Server Configuration File"),
        kSlashRule,
        QStringLiteral("// File Created by: Fortwright ") + kVersionText,
        inputs.createdOnLine,
        QStringLiteral("//    Developed By: ") + kContactAddress,
        kSlashRule,
        QStringLiteral("//       This file is automatically executed by MOHAA_server.exe"),
        kSlashRule,
        QString(),
        QStringLiteral("sets \".Configured By\" \"Fortwright: ") + kVersionText + QLatin1Char('"'),
        QString(),
    };
}

void appendLogging(QStringList& out, const ServerProfile& profile)
{
    out << QStringLiteral("//Logging");
    const int logging = profile.selected(G::optLogging);
    if (logging >= 0) {
        out << setaLine(profile.selectedTag(G::optLogging), QString::number(logging));
        out << setaLine(SettingsCatalogue::tag(G::txtLogFileName), profile.text(G::txtLogFileName));
    }
    out << setaLine(SettingsCatalogue::tag(G::chkLogSync),
        profile.isOn(G::chkLogSync) ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList commandLineComment(const LaunchValues& launch)
{
    return {
        QStringLiteral("//-- Commandline Information --//"),
        QStringLiteral("// ZoneMegs = ") + shortestDecimal(launch.zone),
        QStringLiteral("// HunkMegs = ") + shortestDecimal(launch.hunk),
        QStringLiteral("// SoundMegs = ") + shortestDecimal(launch.sound),
        QStringLiteral("// IP = ") + launch.ip,
        QStringLiteral("// Port = ") + QString::number(launch.port),
        QStringLiteral("//--                         --//"),
    };
}

} // namespace

QString startingMapLine(const ServerProfile& profile)
{
    if (!profile.rotation.startingMap.isEmpty())
        return profile.rotation.startingMap;
    if (profile.rotation.rows.isEmpty())
        return {};
    return profile.rotation.rows.constFirst().startLine();
}

QStringList serverConfigLines(const ServerProfile& profile, const ServerConfigInputs& inputs)
{
    QStringList out = headerLines(inputs);
    appendGroup(out, profile, G::txtAdministration, administrationRule);
    out << QString();
    appendGroup(out, profile, G::txtGameSettings, gameSettingRule);
    out << QString();
    appendGroup(out, profile, G::chkSOF2Options, optionRule);
    out << QString();
    if (profile.selected(G::optServerType) == 1) { // master servers only for an Internet server
        out << QStringLiteral("// Master Servers");
        appendGroup(out, profile, G::txtMasterServers, [](int) { return LineRule::SetaTrimmed; });
        out << QString();
    }
    appendLogging(out, profile);
    out << QString() << QStringLiteral("// Movement");
    appendGroup(out, profile, G::txtMovement, movementRule);
    out << QString();
    out << QStringLiteral("seta dmflags \"") + QString::number(dmFlagSum(profile))
            + QStringLiteral("\" // 8 (no falling damage) 16 (fixed FOV) 32 (no footsteps)");
    out << QString() << QStringLiteral("//Game Limits");
    appendGroup(out, profile, G::GameLimit, [](int) { return LineRule::SetaPositiveOrZero; });
    out << QString() << QStringLiteral("//----------------")
        << QStringLiteral("//#### THE FOLLOWING KICKS THE SERVER INTO GEAR ####")
        << QStringLiteral("//----------------") << QString();
    out << setaLine(QStringLiteral("sv_maplist"), inputs.mapList.trimmed());
    // With neither a starting map nor a rotation (a saved cycle runs the server) there is no line.
    const QString start = startingMapLine(profile);
    if (!start.isEmpty())
        out << start;
    out << QString() << QStringLiteral("// Additional Configs");
    for (const QString& name : inputs.execNames)
        out << QStringLiteral("exec ") + name;
    out << QString() << QString();
    if (inputs.banListWritten)
        out << QStringLiteral("// Banned List") << QStringLiteral("exec Banned.cfg") << QString();
    out << QString();
    out << commandLineComment(inputs.launch);
    out << QString() << QStringLiteral("//EOF");
    return out;
}

} // namespace fw
