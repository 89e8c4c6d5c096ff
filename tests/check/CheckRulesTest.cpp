#include "check/PreflightCheck.h"
#include "maps/MapCatalogue.h"
#include "profile/ServerProfile.h"
#include "testkit/TestData.h"

#include <QFile>
#include <QMap>
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
    Finding expected; // its severity and place; the words come from the data file
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

Finding at(FieldId id, Severity severity = Severity::Warning)
{
    return { severity, { Kind::Field, id, -1 }, {}, {} };
}

Finding in(Kind kind, int row, Severity severity = Severity::Warning)
{
    return { severity, { kind, {}, row }, {}, {} };
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

    // Each rule's finding; its words are in the data file, under the rule's name.
    const QList<RuleRow> rows {
        { "line break", setField(motd, u"be\nnice"_s), setField(motd, u"be nice"_s),
            at(motd, Severity::Danger) },
        { "double quote", setField(motd, u"be \"nice; echo X"_s), setField(motd, u"be nice; echo X"_s),
            at(motd, Severity::Danger) },
        { "double quote off the configuration", setField(field::ServerIp, u"10.0.0.1\""_s),
            setField(field::ServerIp, u"10.0.0.1"_s), at(field::ServerIp) },
        { "server-info characters", setField(host, u"Fast;Fun\\EU"_s), setField(host, u"Fast, Fun / EU"_s),
            at(host) },
        { "server-info size", setField(host, QString(800, u'h')), setField(host, QString(700, u'h')),
            at(host) },
        { "variable set twice", setField(field::MovementTimeOut, u"320"_s),
            setField(field::MovementTimeOut, u"200"_s), at(field::TimeOut, Severity::Note) },
        { "range", setField(field::RunSpeed, u"1500"_s), setField(field::RunSpeed, u"1000"_s),
            at(field::RunSpeed) },
        { "say cut", setMessage(u"Welcome\r\nVisit http://example.org // tonight"_s),
            setMessage(u"Welcome\r\n\"Visit http://example.org // tonight\""_s), in(Kind::Message, 1) },
        { "say length", setMessage(longLine), setMessage(QString(1000, u'a')), in(Kind::Message, 0) },
        { "outside ASCII", setMessage(u"Caf\u00e9 open"_s), setMessage(u"Cafe open"_s),
            in(Kind::Message, 0, Severity::Note) },
        { "password ends", setField(field::RconPassword, u"secret "_s),
            setField(field::RconPassword, u"secret"_s), at(field::RconPassword) },
        { "password characters", setField(field::RconPassword, u"50%off"_s),
            setField(field::RconPassword, u"50-off"_s), at(field::RconPassword) },
        { "messages without password", setMessage(u"hello"_s, u"5"_s),
            setMessage(u"hello"_s, u"5"_s, u"pw"_s), at(field::RconPassword) },
        { "empty port", setField(field::ServerPort, {}), setField(field::ServerPort, u"12203"_s),
            at(field::ServerPort) },
        { "configuration name", setField(field::ConfigName, u"my server"_s),
            setField(field::ConfigName, u"my_server"_s), at(field::ConfigName) },
        { "saved cycle folders", cycleAt(bareCycle), cycleAt(foldedCycle), in(Kind::SavedCycle, -1) },
        { "saved cycle missing", cycleAt(dir.filePath(u"gone.cfg"_s)), cycleAt(foldedCycle),
            in(Kind::SavedCycle, -1) },
        { "missing configuration", configAt(dir.filePath(u"renamed.cfg"_s)), configAt(extra),
            in(Kind::Configs, 2) },
        { "rotation outside the catalogue", rotate(u"obj_team9"_s), rotate(u"obj_team1"_s),
            in(Kind::Rotation, 0) },
    };
    // Blocks of three lines, a blank line between them: the rule, what the finding says, the fix.
    QMap<QString, QStringList> words;
    for (const QString& block : QString::fromUtf8(testData(u"check-rules.findings"_s)).split(u"\n\n"_s)) {
        const QStringList lines = block.trimmed().replace(u"{dir}"_s, dir.path()).split(u'\n');
        words.insert(lines[0], lines.mid(1));
    }
    ASSERT_EQ(words.size(), rows.size());

    const CheckInputs inputs { &catalogue };
    ASSERT_EQ(preflightCheck(quietProfile(), inputs), QList<Finding> {});
    for (const RuleRow& row : rows) {
        ServerProfile triggered = quietProfile();
        row.triggering(triggered);
        const QStringList said = words.value(row.rule);
        ASSERT_EQ(said.size(), 2) << row.rule;
        const Finding expected { row.expected.severity, row.expected.place, said[0], said[1] };
        EXPECT_EQ(preflightCheck(triggered, inputs), QList<Finding> { expected }) << row.rule;
        ServerProfile neighbour = quietProfile();
        row.harmless(neighbour);
        EXPECT_EQ(preflightCheck(neighbour, inputs), QList<Finding> {}) << row.rule;
    }
}
