#include "check/CheckRules.h"

#include "check/EngineLimits.h"
#include "generate/GeneratedFileText.h"
#include "generate/ServerConfigLines.h"
#include "profile/ServerProfile.h"
#include "support/text/NumericText.h"

#include <QHash>
#include <utility>

namespace fw {

namespace {

using G = SettingGroup;

// Whether the value lands inside quotes on a line of the server configuration.
bool writtenIntoConfig(const SettingField& field)
{
    return field.configLine != ConfigLine::None || field.group == G::txtLogFileName;
}

bool isServerInfo(const SettingField& field)
{
    return field.configLine == ConfigLine::SetsWhenTyped || field.tag == QLatin1String("sv_hostname");
}

// The words of one console command as the server splits them: quoted runs are one word.
QString commandWords(QStringView command)
{
    QStringList words;
    QString word;
    bool quoted = false;
    for (QChar c : command) {
        if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c.isSpace()) {
            if (!word.isEmpty())
                words << std::exchange(word, QString());
        } else {
            word += c;
        }
    }
    if (!word.isEmpty())
        words << word;
    return words.join(u' ');
}

// The commands after the first that the server runs from one configuration line: it splits at a
// ";" outside quotes and stops at a "//" outside quotes.
QStringList commandsAfterSetting(const QString& line)
{
    QStringList commands;
    bool quoted = false;
    qsizetype start = -1;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"')
            quoted = !quoted;
        if (quoted)
            continue;
        if (c == u'/' && i + 1 < line.size() && line[i + 1] == u'/')
            break;
        if (c == u';') {
            if (start >= 0)
                commands << commandWords(QStringView(line).mid(start, i - start));
            start = i + 1;
        }
    }
    if (start >= 0)
        commands << commandWords(QStringView(line).mid(start));
    commands.removeAll(QString());
    return commands;
}

QString quotedList(const QStringList& commands)
{
    QStringList quoted;
    for (const QString& command : commands)
        quoted << u'"' + command + u'"';
    return quoted.join(QStringLiteral(", "));
}

void lineBreaks(const SettingField& field, const QString& value, QList<Finding>& out)
{
    if (!value.contains(u'\r') && !value.contains(u'\n'))
        return;
    out << fieldFinding(writtenIntoConfig(field) ? Severity::Danger : Severity::Warning, field.id(),
        QStringLiteral("%1 holds a line break: the server would read what follows it as a line of its own "
                       "(a profile file keeps it as a blank)")
            .arg(fieldName(field)),
        QStringLiteral("Remove the line break."));
}

void doubleQuotes(const SettingField& field, const QString& value, QList<Finding>& out)
{
    if (!value.contains(u'"'))
        return;
    QString what = QStringLiteral("%1 holds a double quote: the server would read the value as ending there")
                       .arg(fieldName(field));
    const bool written = writtenIntoConfig(field);
    if (written) {
        const QString line = field.configLine == ConfigLine::SetsWhenTyped ? setsLine(field.tag, value)
                                                                           : setaLine(field.tag, value);
        const QStringList commands = commandsAfterSetting(line);
        if (!commands.isEmpty())
            what += QStringLiteral(" and run the rest of the line as commands: %1").arg(quotedList(commands));
    }
    out << fieldFinding(written ? Severity::Danger : Severity::Warning, field.id(), what,
        QStringLiteral("Remove the double quote (a ' reads the same to players)."));
}

void serverInfoCharacters(const RuleInput& in, QList<Finding>& out)
{
    for (const SettingField& field : SettingsCatalogue::fields()) {
        if (!isServerInfo(field))
            continue;
        const QString value = in.profile.text(field.id());
        QStringList held;
        for (const char* c : { ";", "\\", "\"" }) {
            if (value.contains(QLatin1String(c)))
                held << QLatin1String(c);
        }
        if (held.isEmpty())
            continue;
        out << fieldFinding(Severity::Warning, field.id(),
            QStringLiteral("%1 holds %2: the server refuses it as server info (\"Can't use keys or values "
                           "with a ';'\"), so the server is listed without it")
                .arg(fieldName(field), held.join(QStringLiteral(" and "))),
            QStringLiteral("Remove the %1 from it.").arg(held.join(QStringLiteral(" and "))));
    }
}

void serverInfoSize(const RuleInput& in, QList<Finding>& out)
{
    // Each key adds "\key\value"; Fortwright's own ".Configured By" line is always written.
    qsizetype bytes = 2 + QStringLiteral(".Configured By").size() + QStringLiteral("Fortwright: ").size()
        + kVersionText.size();
    const SettingField* longest = nullptr;
    qsizetype longestSize = -1;
    for (const SettingField& field : SettingsCatalogue::fields()) {
        if (!isServerInfo(field))
            continue;
        const QString value = in.profile.text(field.id());
        if (value.isEmpty() && field.configLine == ConfigLine::SetsWhenTyped)
            continue;
        bytes += 2 + field.tag.size() + value.size();
        if (value.size() > longestSize) {
            longest = &field;
            longestSize = value.size();
        }
    }
    const int room = engine::kInfoStringLimit - engine::kEngineInfoShare;
    if (bytes < room || !longest)
        return;
    out << fieldFinding(Severity::Warning, longest->id(),
        QStringLiteral("The server info as written takes %1 bytes, and the engine adds about %2 of its own; "
                       "past %3 it drops keys (\"Info string length exceeded\"), so the map name and game "
                       "type go missing from the server list")
            .arg(bytes)
            .arg(engine::kEngineInfoShare)
            .arg(engine::kInfoStringLimit),
        QStringLiteral("Shorten or empty the admin texts (Host, Admin, E-Mail, Location, URL, Spec, Hours, "
                       "IRC, Clan) by at least %1 characters; %2 is the longest.")
            .arg(bytes - room + 1)
            .arg(fieldName(*longest)));
}

// The value of a "seta tag "value"" line.
QString setaValue(const QString& line)
{
    return line.mid(line.indexOf(u'"') + 1).chopped(1);
}

QString placeOnWindow(const SettingField& field)
{
    static const char* const kTabNames[] = { "Server", "Game", "Maps", "Misc Options", "Information", "" };
    const GroupInfo& group = SettingsCatalogue::group(field.group);
    QString frame = group.frame.trimmed();
    if (frame.endsWith(u':'))
        frame.chop(1);
    if (!frame.isEmpty())
        return QStringLiteral("%1 (%2)").arg(fieldName(field), frame);
    return QStringLiteral("%1 on the %2 tab").arg(fieldName(field), QLatin1String(kTabNames[int(group.tab)]));
}

void variablesSetTwice(const RuleInput& in, QList<Finding>& out)
{
    // The configuration writes its groups in catalogue order, so the last line of a tag wins.
    QHash<QString, QList<std::pair<const SettingField*, QString>>> byTag;
    for (const SettingField& field : SettingsCatalogue::fields()) {
        const std::optional<QString> line = fieldConfigLine(in.profile, field);
        if (line && line->startsWith(QLatin1String("seta ")))
            byTag[field.tag] << std::pair { &field, setaValue(*line) };
    }
    for (const auto& lines : std::as_const(byTag)) {
        const auto& [winner, value] = lines.constLast();
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const auto& [lost, lostValue] = lines[i];
            if (lostValue == value)
                continue;
            out << fieldFinding(Severity::Note, lost->id(),
                QStringLiteral("The configuration sets %1 twice and the later line wins: the server uses "
                               "%2 from %3, not %4 from %5")
                    .arg(lost->tag, value, placeOnWindow(*winner), lostValue, placeOnWindow(*lost)),
                QStringLiteral("Type the value you want in %1; this field has no effect.")
                    .arg(placeOnWindow(*winner)));
        }
    }
}

void valuesOutOfRange(const RuleInput& in, QList<Finding>& out)
{
    for (const SettingField& field : SettingsCatalogue::fields()) {
        if (field.kind != FieldKind::Number)
            continue;
        const QString text = in.profile.text(field.id());
        if (text.trimmed().isEmpty())
            continue;
        const double reading = leadingNumber(text);
        if (reading >= field.minimum && reading <= field.maximum)
            continue;
        out << fieldFinding(Severity::Warning, field.id(),
            QStringLiteral("%1 is %2, outside its range %3 to %4: it is written as typed, and the server "
                           "may clamp it or behave in ways the range was meant to prevent")
                .arg(placeOnWindow(field), text)
                .arg(field.minimum)
                .arg(field.maximum),
            QStringLiteral("Type a value from %1 to %2.").arg(field.minimum).arg(field.maximum));
    }
}

} // namespace

QList<Finding> fieldValueFindings(const SettingField& field, const QString& value)
{
    QList<Finding> found;
    // The message is sent line by line, so its line breaks are meant.
    if (field.kind != FieldKind::Text || field.group == G::txtMsg)
        return found;
    lineBreaks(field, value, found);
    doubleQuotes(field, value, found);
    return found;
}

QList<CheckRule> configLineRules()
{
    return {
        [](const RuleInput& in, QList<Finding>& out) {
            for (const SettingField& field : SettingsCatalogue::fields())
                out << fieldValueFindings(field, in.profile.text(field.id()));
        },
        serverInfoCharacters,
        serverInfoSize,
        variablesSetTwice,
        valuesOutOfRange,
    };
}

} // namespace fw
