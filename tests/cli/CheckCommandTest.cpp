#include "CliRun.h"
#include "generate/ServerConfigWriter.h"
#include "profile/ProfileFile.h"
#include "profile/ServerProfile.h"
#include "testkit/TestContext.h"
#include "testkit/TestData.h"

#include <QFileInfo>

namespace {

// "now" at the test context's clock, so the command line and the writer date their files alike.
struct CheckCommandTest : CliFolders {
    CheckCommandTest() { qputenv("SOURCE_DATE_EPOCH", "1000000000"); }
    ~CheckCommandTest() override { qunsetenv("SOURCE_DATE_EPOCH"); }
};

// A finding as the command prints it; its words are the check rules' own, from their data file.
QString printed(const QString& severityAndPlace, const QString& rule)
{
    for (const QString& block : QString::fromUtf8(testData(u"check-rules.findings"_s)).split(u"\n\n"_s))
        if (block.startsWith(rule + u'\n'))
            return severityAndPlace + u'\t' + block.trimmed().section(u'\n', 1).replace(u'\n', u'\t') + u'\n';
    return u"no rule "_s + rule;
}

const QString kRefusal
    = u"Refused to write: the check found a danger (above); give --force to write anyway.\n"_s;

} // namespace

TEST_F(CheckCommandTest, ADangerFailsTheCheckAndStopsEveryWriterUnlessForced)
{
    const CliResult initial = run({ "check" });
    expectRun(initial, 0, QString());
    EXPECT_EQ(initial.out, printed(u"note\ttxtGameSettings 18"_s, u"variable set twice"_s));
    set(u"txtMovement"_s, u"0"_s, u"200"_s);
    expectRun(run({ "check" }), 0, QString());
    EXPECT_EQ(run({ "check" }).out, QString());

    set(u"txtAdministration"_s, u"0"_s, u"be \"nice; echo X"_s);
    writeBytes(file(u"Maps.dat"_s), crlfLines({ "obj_team2\tobjective\tV2 Rocket" }));
    const QString danger = printed(u"danger\ttxtAdministration 0"_s, u"double quote"_s);
    const CliResult checked = run({ "check" });
    expectRun(checked, 1, QString());
    EXPECT_EQ(checked.out, danger);

    for (const char* command : { "config", "batch", "shell", "cycle" }) {
        const QString out = path(QLatin1String(command) + u".out"_s);
        expectRun(runInGame({ QLatin1String(command), u"--out"_s, out }), 1, danger + kRefusal);
        EXPECT_FALSE(QFileInfo::exists(out)) << command;
    }

    const CliResult forced
        = runInGame({ "config", "--name", "quoted", "--out", path(u"forced.cfg"_s), "--force" });
    expectRun(forced, 0, danger + u"'quoted.cfg' has been created\n"_s);
    // The same profile through the writer alone: the check changes no byte of what is written.
    TestContext writer;
    ServerProfile profile;
    ASSERT_TRUE(ProfileFile::read(file(u"Default.ini"_s), profile).fileRead);
    profile.setValue(field::ConfigName, u"quoted"_s);
    profile.rotation.rows = { { u"obj_team2"_s, u"objective"_s, u"V2 Rocket"_s } };
    const QString plain = writer.root.filePath(u"plain.cfg"_s);
    writer.prompter.choose(plain);
    ConfigurationHooks hooks;
    hooks.show = ShowWritten::No;
    ASSERT_TRUE(exportServerConfiguration(profile, writer.context, hooks));
    const QByteArray written = readBytes(path(u"forced.cfg"_s));
    EXPECT_EQ(written, readBytes(plain));
    EXPECT_TRUE(written.contains("seta g_motd \"be \"nice; echo X\"\r\n")) << "written as typed";
}
