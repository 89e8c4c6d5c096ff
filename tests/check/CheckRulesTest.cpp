#include "check/PreflightCheck.h"
#include "maps/MapCatalogue.h"
#include "profile/ServerProfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>

namespace fw {
// A failing row shows the finding as the command line prints it.
inline void PrintTo(const Finding& f, std::ostream* os)
{
    *os << qPrintable(severityName(f.severity) + u'|' + placeName(f.place) + u'|' + f.what + u'|' + f.fix);
}
} // namespace fw

using Kind = FindingPlace::Kind;

namespace {

using Edit = std::function<void(ServerProfile&)>;

struct RuleRow {
    const char* rule;
    Edit triggering;
    Edit harmless;
    Finding expected;
};

Edit setField(FieldId id, QString value)
{
    return [id, value](ServerProfile& p) { p.setValue(id, value); };
}

Edit setMessage(QString text, QString period = u"0"_s, QString password = {})
{
    return [=](ServerProfile& p) {
        p.message = text;
        p.setValue(G::txtSeverMessageTime, -1, period);
        p.setValue(field::RconPassword, password);
    };
}

Finding at(FieldId id, Severity severity, QString what, QString fix)
{
    return { severity, { Kind::Field, id, -1 }, what, fix };
}

Finding in(Kind kind, int row, QString what, QString fix)
{
    return { Severity::Warning, { kind, {}, row }, what, fix };
}

// A profile the check has nothing to say about: the initial values with the two time-outs agreeing.
ServerProfile quietProfile()
{
    ServerProfile p;
    p.setValue(field::MovementTimeOut, u"200"_s);
    return p;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(CheckRules, EachRuleSpeaksOnItsTriggerAndKeepsQuietOnItsNeighbour)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString bareCycle = dir.filePath(u"bare.cfg"_s);
    const QString foldedCycle = dir.filePath(u"folded.cfg"_s);
    const QString extra = dir.filePath(u"extra.cfg"_s);
    writeFile(bareCycle,
        "set m1 \"set g_gametype 4;map obj_team1;seta sv_gravity 800;wait;set nextmap vstr m2\"\r\n");
    writeFile(foldedCycle, "set m1 \"set g_gametype 4;map obj/obj_team1;wait;set nextmap vstr m2\"\r\n");
    writeFile(extra, "seta g_allowvote 0\r\n");
    const MapCatalogue catalogue(
        { MapEntry { u"pak1.pk3"_s, u"obj_team1"_s, u"obj_team1"_s, {}, u"objective"_s } });
    const auto cycleAt
        = [](QString path) { return [path](ServerProfile& p) { p.rotation.savedCyclePath = path; }; };
    const auto configAt = [](QString path) {
        return [path](ServerProfile& p) {
            p.configs[2] = { u"01/02/2003"_s, u"20"_s, u"extra.cfg"_s, path };
        };
    };
    const auto rotate = [](QString map) {
        return [map](ServerProfile& p) { p.rotation.rows = { { map, u"objective"_s, {} } }; };
    };
    const FieldId motd { G::txtAdministration, 0 };
    const FieldId host { G::txtAdministration, 2 };
    const QString longLine(1100, u'a');

    const QList<RuleRow> rows {
        { "line break", setField(motd, u"be\nnice"_s), setField(motd, u"be nice"_s),
            at(motd, Severity::Danger,
                u"MOTD holds a line break: the server would read what follows it as a line of its own (a "
                "profile file keeps it as a blank)"_s,
                u"Remove the line break."_s) },
        { "double quote", setField(motd, u"be \"nice; echo X"_s), setField(motd, u"be nice; echo X"_s),
            at(motd, Severity::Danger,
                u"MOTD holds a double quote: the server would read the value as ending there and run the "
                "rest of the line as commands: \"echo X\""_s,
                u"Remove the double quote (a ' reads the same to players)."_s) },
        { "double quote off the configuration", setField(field::ServerIp, u"10.0.0.1\""_s),
            setField(field::ServerIp, u"10.0.0.1"_s),
            at(field::ServerIp, Severity::Warning,
                u"Server IP holds a double quote: the server would read the value as ending there"_s,
                u"Remove the double quote (a ' reads the same to players)."_s) },
        { "server-info characters", setField(host, u"Fast;Fun\\EU"_s), setField(host, u"Fast, Fun / EU"_s),
            at(host, Severity::Warning,
                u"Host holds ; and \\: the server refuses it as server info (\"Can't use keys or values with "
                "a ';'\"), so the server is listed without it"_s,
                u"Remove the ; and \\ from it."_s) },
        { "server-info size", setField(host, QString(800, u'h')), setField(host, QString(700, u'h')),
            at(host, Severity::Warning,
                u"The server info as written takes 862 bytes, and the engine adds about 200 of its own; past "
                "1024 it drops keys (\"Info string length exceeded\"), so the map name and game type go "
                "missing from the server list"_s,
                u"Shorten or empty the admin texts (Host, Admin, E-Mail, Location, URL, Spec, Hours, IRC, "
                "Clan) by at least 39 characters; Host is the longest."_s) },
        { "variable set twice", setField(field::MovementTimeOut, u"320"_s),
            setField(field::MovementTimeOut, u"200"_s),
            at(field::TimeOut, Severity::Note,
                u"The configuration sets sv_timeout twice and the later line wins: the server uses 320 from "
                "Time Out (Movement), not 200 from Time Out on the Server tab"_s,
                u"Type the value you want in Time Out (Movement); this field has no effect."_s) },
        { "range", setField(field::RunSpeed, u"1500"_s), setField(field::RunSpeed, u"1000"_s),
            at(field::RunSpeed, Severity::Warning,
                u"Run Speed (Movement) is 1500, outside its range 0 to 1000: it is written as typed, and the "
                "server may clamp it or behave in ways the range was meant to prevent"_s,
                u"Type a value from 0 to 1000."_s) },
        { "say cut", setMessage(u"Welcome\r\nVisit http://example.org // tonight"_s),
            setMessage(u"Welcome\r\n\"Visit http://example.org // tonight\""_s),
            in(Kind::Message, 1, u"The server's say changes message line 2: players will see: Visit http:"_s,
                u"Put the whole line in double quotes to keep its // and its blanks."_s) },
        { "say length", setMessage(longLine), setMessage(QString(1000, u'a')),
            in(Kind::Message, 0,
                u"Message line 1 makes an rcon command of 1110 characters and the server keeps the first "
                "1023: players will see it end at \"aaaaaaaaaaaaaaaaaaaa\""_s,
                u"Split the line into shorter ones."_s) },
        { "outside ASCII", setMessage(u"Caf\u00e9 open"_s), setMessage(u"Cafe open"_s),
            { Severity::Note, { Kind::Message, {}, 0 },
                u"Message line 1 holds \u00e9, which players may see as a dot"_s,
                u"Use plain ASCII letters where it matters."_s } },
        { "password ends", setField(field::RconPassword, u"secret "_s),
            setField(field::RconPassword, u"secret"_s),
            at(field::RconPassword, Severity::Warning,
                u"Rcon Pass has a blank at its start or end: the configuration sets it with the blank but "
                u"the "
                "timed messages send it without, so the server refuses every one with \"Bad rconpassword.\""_s,
                u"Remove the blanks at its ends."_s) },
        { "password characters", setField(field::RconPassword, u"50%off"_s),
            setField(field::RconPassword, u"50-off"_s),
            at(field::RconPassword, Severity::Warning,
                u"Rcon Pass holds a %: an rcon command reads the password as one word, turns % into . and "
                "drops what follows //, so the password never matches and rcon and the timed messages are "
                "refused with \"Bad rconpassword.\""_s,
                u"Use a password of letters, digits and plain punctuation."_s) },
        { "messages without password", setMessage(u"hello"_s, u"5"_s),
            setMessage(u"hello"_s, u"5"_s, u"pw"_s),
            at(field::RconPassword, Severity::Warning,
                u"The timed messages are sent with no rcon password: the server answers \"No rconpassword "
                "set on the server.\" and players see nothing"_s,
                u"Type an rcon password."_s) },
        { "empty port", setField(field::ServerPort, {}), setField(field::ServerPort, u"12203"_s),
            at(field::ServerPort, Severity::Warning,
                u"With no port, the timed messages go to port 27960 and Run starts the server there, but the "
                "shell script starts it on 20101 and a server given no port listens on 12203, so the "
                "messages reach no server"_s,
                u"Type the port the server listens on (12203 by default)."_s) },
        { "configuration name", setField(field::ConfigName, u"my server"_s),
            setField(field::ConfigName, u"my_server"_s),
            at(field::ConfigName, Severity::Warning,
                u"The configuration name \"my server\" holds a blank: the configuration is written as "
                "my_server.cfg, but the batch file's line hands the server +exec my server.cfg, which it "
                "runs "
                "as \"exec my\" (looking for my.cfg), and the shell script's line is split at the blank by "
                "the "
                "shell, so the server again runs \"exec my\""_s,
                u"Use a name without blanks, e.g. my_server."_s) },
        { "saved cycle folders", cycleAt(bareCycle), cycleAt(foldedCycle),
            in(Kind::SavedCycle, -1,
                u"The saved map cycle %1 loads obj_team1 without a dm/ or obj/ folder: the server looks for "
                "maps/obj_team1.bsp, which is not where the map lives, and cannot load it"_s.arg(bareCycle),
                u"Name each map with its folder in the cycle file (dm/obj_team1 or obj/obj_team1)."_s) },
        { "saved cycle missing", cycleAt(dir.filePath(u"gone.cfg"_s)), cycleAt(foldedCycle),
            in(Kind::SavedCycle, -1,
                u"The saved map cycle %1 cannot be read, so the server has no cycle to run"_s.arg(
                    dir.filePath(u"gone.cfg"_s)),
                u"Save the cycle again with the Map Wizard, or clear the saved cycle."_s) },
        { "missing configuration", configAt(dir.filePath(u"renamed.cfg"_s)), configAt(extra),
            in(Kind::Configs, 2,
                u"The additional configuration extra.cfg is no longer at %1, so the configuration leaves out "
                "its exec line and the server runs without it"_s.arg(dir.filePath(u"renamed.cfg"_s)),
                u"Add it again from where it is now, or remove the row."_s) },
        { "rotation outside the catalogue", rotate(u"obj_team9"_s), rotate(u"obj_team1"_s),
            in(Kind::Rotation, 0,
                u"obj/obj_team9 is not among the maps of the last scan: the server fails to load it when the "
                "rotation reaches it"_s,
                u"Scan the maps again, or remove the row."_s) },
    };

    const CheckInputs inputs { &catalogue };
    ASSERT_EQ(preflightCheck(quietProfile(), inputs), QList<Finding> {});
    for (const RuleRow& row : rows) {
        ServerProfile triggered = quietProfile();
        row.triggering(triggered);
        EXPECT_EQ(preflightCheck(triggered, inputs), QList<Finding> { row.expected }) << row.rule;
        ServerProfile neighbour = quietProfile();
        row.harmless(neighbour);
        EXPECT_EQ(preflightCheck(neighbour, inputs), QList<Finding> {}) << row.rule;
    }
}
