#include "AsAnotherUser.h"
#include "CliRun.h"
#include "maps/MapListFile.h"
#include "testkit/BuiltPrograms.h"
#include "testkit/FolderSnapshot.h"
#include "testkit/TestContext.h"
#include "testkit/TinyDisk.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FolderSnapshot contents(const QString& folder)
{
    return snapshotFolder(folder, isErrorLog);
}

// Each command fails with exit 1, says why and claims nothing written; the folder is as it was.
template <typename Run>
void expectEachFails(const Run& run, const QList<QStringList>& commands, const QString& folder)
{
    const FolderSnapshot before = contents(folder);
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const CliResult result = run(command);
        EXPECT_EQ(result.code, 1) << result.err.toStdString();
        EXPECT_FALSE(result.err.isEmpty());
        EXPECT_FALSE(result.out.contains(u"has been created"_s));
    }
    EXPECT_EQ(contents(folder), before) << "every file as it was, nothing added, no temporary left";
}

} // namespace

TEST(FullDisk, EverySaveFailsWithExitOneAndKeepsTheOldFile)
{
    TinyDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.skipReason().toStdString();
    const QString data = disk.path(u"data"_s);
    const QString main = disk.path(u"game/Main"_s);
    QDir().mkpath(data);
    QDir().mkpath(main);
    writeBytes(data + u"/Main.efr"_s, "maps1.pk3,bunker,bunker,bunker,ffa team round\r\n");
    writeBytes(data + u"/clan.cfg"_s, "seta sv_hostname clan\r\n");
    const auto run = [&](const QStringList& arguments) {
        return runWithData(data, QStringList { "--game-dir", disk.path(u"game"_s) } + arguments);
    };
    for (const QStringList& command : { QStringList { "profile", "set", "GameLimit", "0", "30" },
             { "bans", "add", "10.0.0.1" }, { "rotation", "add", "bunker" }, { "message", "set", "hello" },
             { "configs", "add", data + u"/clan.cfg"_s } })
        ASSERT_EQ(run(command).code, 0) << command.join(' ').toStdString();
    ASSERT_EQ(contents(data).size(), 7) << QStringList(contents(data).keys()).join(' ').toStdString();

    disk.fill();
    expectEachFails(run,
        { { "profile", "set", "GameLimit", "0", "40" }, { "bans", "add", "10.0.0.2" },
            { "rotation", "add", "bunker" }, { "message", "set", "bye" },
            { "configs", "add", data + u"/clan.cfg"_s },
            { "config", "--name", "full", "--out", data + u"/full.cfg"_s } },
        data);
    EXPECT_TRUE(contents(main).isEmpty()) << "no empty default.cfg or autoexec.cfg";
}

using FifoDataFiles = CliFolders;

TEST_F(FifoDataFiles, AFifoUnderADataFileNameBlocksNothing)
{
    for (const char* name :
        { "Main.efr", "Banned.dat", "Default.ini", "Configs.dat", "msg.txt", "registry.json" })
        ASSERT_EQ(
            ::mkfifo(QFile::encodeName(data + QLatin1Char('/') + QLatin1String(name)).constData(), 0600), 0);

    // In a process of its own, so that a read that blocks fails the test instead of hanging it.
    const auto run = [this](const QStringList& arguments) { return runProcess(inFolders(arguments)); };
    for (const char* command :
        { "profile show", "bans list", "configs list", "message show", "rotation list" })
        EXPECT_EQ(run(QString::fromLatin1(command).split(' ')).code, 0) << command;
    expectRun(run({ "maps" }), 1, kMapListMissingMessage.trimmed() + u'\n');
    EXPECT_EQ(run({ "scan" }).code, 1) << "the map list cannot be written over a FIFO";
}

TEST(NotARegularFile, ADataFolderThatIsAFileIsRefusedAndNothingIsWrittenBesideIt)
{
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(u"FILE"_s);
    writeBytes(notAFolder, "mine");
    expectRun(runWithData(notAFolder, { "profile", "set", "GameLimit", "0", "30" }), 1,
        u"The data folder %1 is a file, not a folder\n"_s.arg(QDir::toNativeSeparators(notAFolder)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { u"FILE"_s });
    EXPECT_EQ(readBytes(notAFolder), QByteArray("mine"));
}

TEST(NotARegularFile, AProfilePathThatIsAFolderIsRefusedAndNothingIsWritten)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(u"data"_s);
    const QString folder = dir.filePath(u"clan.ini"_s);
    QDir().mkpath(data);
    QDir().mkpath(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    expectRun(runWithData(data, { "profile", "set", "--profile", folder, "GameLimit", "0", "30" }), 1,
        u"Unable to save %1: Path/File access error: %1 (Is a directory)\n"_s.arg(shown));
    for (const QStringList& command : { QStringList { "profile", "show", "--profile", folder },
             QStringList { "config", "--profile", folder, "--out", dir.filePath(u"x.cfg"_s) } }) {
        SCOPED_TRACE(command.join(' ').toStdString());
        expectRun(runWithData(data, QStringList { "--game-dir", dir.path() } + command), 1,
            u"No profile file at %1\n"_s.arg(shown));
    }
    EXPECT_TRUE(QDir(folder).isEmpty());
    EXPECT_TRUE(contents(data).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"x.cfg"_s)));
}

TEST_F(AsAnotherUser, AReadOnlyDataFolderFailsEverySaveAndNoFileIsRewrittenInPlace)
{
    writeBytes(data + u"/Banned.dat"_s, "Added\tIP\r\n");
    writeBytes(data + u"/Main.efr"_s, "maps1.pk3,bunker,bunker,bunker,ffa team round\r\n");
    writeBytes(data + u"/clan.cfg"_s, "seta sv_hostname clan\r\n");
    for (const QString& name : QDir(data).entryList(QDir::Files))
        QFile::setPermissions(data + u'/' + name, // the files are writable; their folder takes no new file
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther
                | QFileDevice::WriteOther);
    handOver(data,
        QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther);

    expectEachFails([this](const QStringList& command) { return run(command); },
        { { "bans", "add", "10.0.0.9" }, { "profile", "set", "GameLimit", "0", "40" },
            { "rotation", "add", "bunker" }, { "message", "set", "hello" },
            { "configs", "add", data + u"/clan.cfg"_s }, { "scan" } },
        data);
}
