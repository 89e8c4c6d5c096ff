#include "AsAnotherUser.h"
#include "CliRun.h"
#include "testkit/BuiltPrograms.h"
#include "testkit/TestContext.h"
#include "testkit/TinyDisk.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace fw;
using namespace fw::test;

namespace {

// Every file of a folder with its bytes, to see that nothing changed and nothing was left behind.
QMap<QString, QByteArray> contents(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QFileInfo& info :
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot))
        // The filler, and the error log that records the failures.
        if (info.fileName() != QLatin1String(".filler") && info.fileName() != QLatin1String("Fortwright.log"))
            files.insert(info.fileName(), readBytes(info.filePath()));
    return files;
}

// Each command fails with exit 1, says why and claims nothing written.
template <typename Run> void expectEachFails(const Run& run, const QList<QStringList>& commands)
{
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const CliResult result = run(command);
        EXPECT_EQ(result.code, 1) << result.err.toStdString();
        EXPECT_FALSE(result.err.isEmpty());
        EXPECT_FALSE(result.out.contains(QStringLiteral("has been created")));
    }
}

} // namespace

TEST(FullDisk, EverySaveFailsWithExitOneAndKeepsTheOldFile)
{
    TinyDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.skipReason().toStdString();
    const QString data = disk.path(QStringLiteral("data"));
    QDir().mkpath(data);
    writeBytes(data + QStringLiteral("/Main.efr"), "maps1.pk3,bunker,bunker,bunker,ffa team round\r\n");
    writeBytes(data + QStringLiteral("/clan.cfg"), "seta sv_hostname clan\r\n");
    const QString game = disk.path(QStringLiteral("game"));
    QDir().mkpath(game + QStringLiteral("/Main"));
    const auto run = [&](const QStringList& arguments) {
        return runWithData(data, QStringList { "--game-dir", game } + arguments);
    };
    ASSERT_EQ(run({ "profile", "set", "GameLimit", "0", "30" }).code, 0);
    ASSERT_EQ(run({ "bans", "add", "10.0.0.1" }).code, 0);
    ASSERT_EQ(run({ "rotation", "add", "bunker" }).code, 0);
    ASSERT_EQ(run({ "message", "set", "hello" }).code, 0);
    ASSERT_EQ(run({ "configs", "add", data + QStringLiteral("/clan.cfg") }).code, 0);
    const QMap<QString, QByteArray> before = contents(data);
    ASSERT_EQ(before.size(), 7) << QStringList(before.keys()).join(' ').toStdString();

    disk.fill();
    expectEachFails(run,
        { { "profile", "set", "GameLimit", "0", "40" }, { "bans", "add", "10.0.0.2" },
            { "rotation", "add", "bunker" }, { "message", "set", "bye" },
            { "configs", "add", data + QStringLiteral("/clan.cfg") },
            { "config", "--name", "full", "--out", data + QStringLiteral("/full.cfg") } });
    EXPECT_EQ(contents(data), before) << "old files kept, no empty or temporary file left";
    EXPECT_TRUE(contents(game + QStringLiteral("/Main")).isEmpty()) << "no empty default.cfg or autoexec.cfg";
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
    const auto maps = run({ QStringLiteral("maps") });
    EXPECT_EQ(maps.code, 1);
    EXPECT_TRUE(maps.err.startsWith(QStringLiteral("Unable to locate Fortwright Map List")))
        << maps.err.toStdString();
    const auto scan = run({ QStringLiteral("scan") });
    EXPECT_EQ(scan.code, 1) << "the map list cannot be written over a FIFO";
}

TEST(NotARegularFile, ADataFolderThatIsAFileIsRefusedAndNothingIsWrittenBesideIt)
{
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("FILE"));
    writeBytes(notAFolder, "mine");
    const CliResult result = runWithData(notAFolder, { "profile", "set", "GameLimit", "0", "30" });
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err,
        QStringLiteral("The data folder %1 is a file, not a folder\n")
            .arg(QDir::toNativeSeparators(notAFolder)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { QStringLiteral("FILE") });
    EXPECT_EQ(readBytes(notAFolder), QByteArray("mine"));
}

TEST(NotARegularFile, AProfilePathThatIsAFolderIsRefusedAndNothingIsWritten)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    const QString folder = dir.filePath(QStringLiteral("clan.ini"));
    QDir().mkpath(data);
    QDir().mkpath(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    CliResult result = runWithData(data, { "profile", "set", "--profile", folder, "GameLimit", "0", "30" });
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err,
        QStringLiteral("Unable to save %1: Path/File access error: %1 (Is a directory)\n").arg(shown));
    for (const QStringList& command :
        { QStringList { "profile", "show", "--profile", folder },
            QStringList { "config", "--profile", folder, "--out", dir.filePath(QStringLiteral("x.cfg")) } }) {
        result = runWithData(data, QStringList { "--game-dir", dir.path() } + command);
        EXPECT_EQ(result.code, 1) << command.join(' ').toStdString();
        EXPECT_EQ(result.err, QStringLiteral("No profile file at %1\n").arg(shown));
    }
    EXPECT_TRUE(QDir(folder).isEmpty());
    EXPECT_TRUE(contents(data).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("x.cfg"))));
}

TEST_F(AsAnotherUser, AReadOnlyDataFolderFailsEverySaveAndNoFileIsRewrittenInPlace)
{
    writeBytes(data + QStringLiteral("/Banned.dat"), "Added\tIP\r\n");
    writeBytes(data + QStringLiteral("/Main.efr"), "maps1.pk3,bunker,bunker,bunker,ffa team round\r\n");
    writeBytes(data + QStringLiteral("/clan.cfg"), "seta sv_hostname clan\r\n");
    for (const QString& name : QDir(data).entryList(QDir::Files))
        shareFile(data + QLatin1Char('/') + name); // the files are writable; their folder takes no new file
    const QMap<QString, QByteArray> before = contents(data);
    handOver(data,
        QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther);

    expectEachFails([this](const QStringList& command) { return run(command); },
        { { "bans", "add", "10.0.0.9" }, { "profile", "set", "GameLimit", "0", "40" },
            { "rotation", "add", "bunker" }, { "message", "set", "hello" },
            { "configs", "add", data + QStringLiteral("/clan.cfg") }, { "scan" } });
    EXPECT_EQ(contents(data), before) << "every file as it was, nothing added";
}
