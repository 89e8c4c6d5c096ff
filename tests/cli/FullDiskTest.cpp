#include "CliRun.h"
#include "testkit/TestContext.h"
#include "testkit/TinyDisk.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace fw;
using namespace fw::test;

namespace {

// Every file of a folder with its bytes, to see that nothing changed and nothing was left behind.
QMap<QString, QByteArray> contents(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot))
        if (info.fileName() != QLatin1String(".filler"))
            files.insert(info.fileName(), readBytes(info.filePath()));
    return files;
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
    const auto run = [&](const QStringList& arguments) { return runWithData(data, arguments); };
    ASSERT_EQ(run({ "profile", "set", "GameLimit", "0", "30" }).code, 0);
    ASSERT_EQ(run({ "bans", "add", "10.0.0.1" }).code, 0);
    ASSERT_EQ(run({ "rotation", "add", "bunker" }).code, 0);
    ASSERT_EQ(run({ "message", "set", "hello" }).code, 0);
    ASSERT_EQ(run({ "configs", "add", data + QStringLiteral("/clan.cfg") }).code, 0);
    const QMap<QString, QByteArray> before = contents(data);
    ASSERT_EQ(before.size(), 7) << QStringList(before.keys()).join(' ').toStdString();

    disk.fill();
    const QStringList commands[] = { { "profile", "set", "GameLimit", "0", "40" }, { "bans", "add", "10.0.0.2" },
        { "rotation", "add", "bunker" }, { "message", "set", "bye" }, { "configs", "add", data + QStringLiteral("/clan.cfg") },
        { "config", "--name", "full", "--out", data + QStringLiteral("/full.cfg") } };
    for (const QStringList& command : commands) {
        const CliResult result = run(command);
        EXPECT_EQ(result.code, 1) << command.join(' ').toStdString() << "\n" << result.out.toStdString();
        EXPECT_FALSE(result.err.isEmpty()) << command.join(' ').toStdString();
        EXPECT_FALSE(result.out.contains(QStringLiteral("has been created"))) << command.join(' ').toStdString();
    }
    EXPECT_EQ(contents(data), before) << "old files kept, no empty or temporary file left";
}
