#include "AsAnotherUser.h"
#include "CliRun.h"
#include "profile/ListFiles.h"
#include "testkit/QtPrinters.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QTemporaryDir>

using ConfigsListTest = CliFolders;
using CycleFailureTest = CliFolders;
using UnreadableFiles = AsAnotherUser;

// "present" is what the server configuration executes; anything else is "missing".
TEST_F(ConfigsListTest, APathIsPresentExactlyWhenTheConfigurationExecutesIt)
{
    writeBytes(path(u"clan.cfg"_s), "seta g_motd clan\r\n");
    QDir().mkpath(path(u"folder.cfg"_s));
    const struct {
        const char* name;
        QString fullPath;
        const char* status;
    } cases[] = {
        { "clan.cfg", path(u"clan.cfg"_s), "present" },
        { "blank.cfg", u"   "_s, "missing" },
        { "gone.cfg", path(u"gone.cfg"_s), "missing" },
        { "folder.cfg", path(u"folder.cfg"_s), "missing" },
    };
    QList<AdditionalConfig> rows;
    for (const auto& c : cases)
        rows.append({ u"01/01/2026 10:00:00"_s, u"1"_s, QLatin1String(c.name), c.fullPath });
    ListFiles::writeConfigs(file(kConfigListFile), rows);

    const CliResult listed = run({ "configs", "list" });
    expectRun(listed, 0, QString());
    const CliResult written = runInGame({ "config", "--name", "server", "--out", path(u"server.cfg"_s) });
    ASSERT_EQ(written.code, 0) << written.err.toStdString();
    const QByteArray configuration = readBytes(path(u"server.cfg"_s));
    ASSERT_EQ(listed.lines().size(), std::size(cases));
    for (qsizetype i = 0; i < listed.lines().size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        const QString status = listed.lines()[i].section(u'\t', -1);
        EXPECT_EQ(status, QLatin1String(cases[i].status));
        EXPECT_EQ(configuration.contains("\r\nexec "_ba + cases[i].name + "\r\n"), status == "present");
        // The check warns of exactly the rows the configuration leaves out, numbered as listed.
        EXPECT_EQ(written.err.contains(u"warning\tconfigs %1\t"_s.arg(i + 1)), status == "missing");
    }
}

// The window shows the reason as the box's title; the command line prints it after the text.
TEST_F(CycleFailureTest, AFailedCycleSaysWhy)
{
    ListFiles::writeRotation(file(kRotationListFile), { { u"obj/obj_team1"_s, u"obj"_s, u"The Hunt"_s } });
    expectRun(run({ "cycle", "--out", path(u"missing/cycle.cfg"_s) }), 1,
        u"Error saving file: Path not found: %1\n"_s.arg(
            QDir::toNativeSeparators(path(u"missing/1cycle.cfg"_s))));
}

// A named data folder is made only as its last level, and only by a command that writes into it,
// so that a mistyped path fails instead of giving initial values.
TEST(DataFolderCreation, OnlyAWritingCommandMakesTheLastLevel)
{
    QTemporaryDir root;
    const QString made = root.filePath(u"server1"_s);
    const QString typo = root.filePath(u"srever/data"_s);
    const auto entries = [](const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    for (const QStringList& command : { QStringList { "profile", "show" }, { "maps" }, { "bans", "list" },
             { "rotation", "list" }, { "configs", "list" }, { "message", "show" }, { "maplist" },
             { "launch-line" }, { "batch", "--out", root.filePath(u"start.bat"_s) } }) {
        SCOPED_TRACE(command.join(' ').toStdString());
        expectRun(runWithData(made, command), 1,
            u"The data folder %1 does not exist\n"_s.arg(QDir::toNativeSeparators(made)));
        EXPECT_EQ(entries(root.path()), QStringList()) << "nothing is created";
    }
    expectRun(runWithData(made, { "profile", "set", "--help" }), 0, QString());
    EXPECT_EQ(entries(root.path()), QStringList());
    expectRun(runWithData(typo, { "bans", "add", "10.0.0.1" }), 1,
        u"The data folder %1 cannot be created: its parent folder %2 does not exist\n"_s.arg(
            QDir::toNativeSeparators(typo), QDir::toNativeSeparators(root.filePath(u"srever"_s))));
    EXPECT_EQ(entries(root.path()), QStringList());

    expectRun(runWithData(made, { "bans", "add", "10.0.0.1" }), 0, QString());
    EXPECT_EQ(entries(root.path()), QStringList { u"server1"_s });
    EXPECT_EQ(entries(made), QStringList { u"Banned.dat"_s });
}

// A file that is there but cannot be read is neither missing nor empty: the command says why.
TEST_F(UnreadableFiles, ACommandFailsWithTheSystemsReasonAndWritesNothing)
{
    const QString clan = path(u"clan.ini"_s), defaults = file(u"Default.ini"_s), maps = file(u"Main.efr"_s);
    writeBytes(clan, "[GameLimit]\r\nGameLimit0=30\r\n");
    writeBytes(defaults, "[GameLimit]\r\nGameLimit0=30\r\n");
    writeBytes(maps, "maps1.pk3,bunker,bunker,bunker,ffa team round\r\n");
    for (const QString& unreadable : { clan, defaults, maps })
        handOver(unreadable, QFileDevice::WriteOwner);
    // A command, and the file it cannot read.
    const std::pair<QStringList, QString> cases[] = {
        { { "profile", "show", "--profile", clan }, clan },
        { { "profile", "show" }, defaults },
        { { "maps" }, maps },
        { { "rotation", "add", "bunker" }, maps },
    };
    for (const auto& [command, unreadable] : cases) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const CliResult result = run(command);
        expectRun(
            result, 1, u"Unable to read %1: Permission denied\n"_s.arg(QDir::toNativeSeparators(unreadable)));
        EXPECT_EQ(result.out, QString());
    }
    EXPECT_FALSE(QFileInfo::exists(file(u"Maps.dat"_s)));
}
