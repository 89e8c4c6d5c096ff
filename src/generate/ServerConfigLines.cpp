#include "generate/ServerConfigLines.h"

#include "generate/GeneratedFileText.h"
#include "generate/MapList.h"
#include "profile/DmFlags.h"
#include "profile/ServerProfile.h"
#include "support/text/NumericText.h"

#include <optional>

namespace fw {

namespace {

using G = SettingGroup;

} // namespace

std::optional<QString> fieldConfigLine(const ServerProfile& profile, const SettingField& field)
{
    const QString text = profile.text(field.id());
    switch (field.configLine) {
    case ConfigLine::None:
        return std::nullopt;
    case ConfigLine::Seta:
        return setaLine(field.tag, text);
    case ConfigLine::SetaWhenTyped:
        if (text.isEmpty())
            return std::nullopt;
        return setaLine(field.tag, text);
    case ConfigLine::SetsWhenTyped:
        if (text.isEmpty())
            return std::nullopt;
        return setsLine(field.tag, text);
    case ConfigLine::SetaOr200:
        return setaLine(field.tag, leadingNumber(text) == 0 ? QStringLiteral("200") : text);
    case ConfigLine::SetaCheck:
        return setaLine(field.tag, profile.isOn(field.id()) ? QStringLiteral("1") : QStringLiteral("0"));
    case ConfigLine::SetaTrimmed:
        return setaLine(field.tag, text.trimmed());
    case ConfigLine::SetaPositiveOrZero:
        return setaLine(field.tag, leadingNumber(text) > 0 ? text : QStringLiteral("0"));
    }
    return std::nullopt;
}

namespace {

void appendGroup(QStringList& out, const ServerProfile& profile, SettingGroup group)
{
    for (const SettingField& field : SettingsCatalogue::members(group)) {
        if (const std::optional<QString> line = fieldConfigLine(profile, field))
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
    appendGroup(out, profile, G::txtAdministration);
    out << QString();
    appendGroup(out, profile, G::txtGameSettings);
    out << QString();
    appendGroup(out, profile, G::chkSOF2Options);
    out << QString();
    if (profile.selected(G::optServerType) == 1) { // master servers only for an Internet server
        out << QStringLiteral("// Master Servers");
        appendGroup(out, profile, G::txtMasterServers);
        out << QString();
    }
    appendLogging(out, profile);
    out << QString() << QStringLiteral("// Movement");
    appendGroup(out, profile, G::txtMovement);
    out << QString();
    out << QStringLiteral("seta dmflags \"") + QString::number(dmFlagSum(profile))
            + QStringLiteral("\" // 8 (no falling damage) 16 (fixed FOV) 32 (no footsteps)");
    out << QString() << QStringLiteral("//Game Limits");
    appendGroup(out, profile, G::GameLimit);
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
