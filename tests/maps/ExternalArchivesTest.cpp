#include "maps/Pk3Archive.h"
#include "maps/ScanRules.h"
#include "testkit/QtPrinters.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace fw;

// Archives from other writers than libzip, in the layouts players' pk3 files come in.

namespace {

QByteArray run(
    const QString& program, const QStringList& arguments, const QString& dir, const QByteArray& input)
{
    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0)
        << process.readAllStandardError().data();
    return process.readAllStandardOutput();
}

QStringList sortedMapLines(const QString& path)
{
    QStringList lines;
    for (const MapEntry& map : customArchiveMaps(Pk3Archive(path), QStringLiteral("ext.pk3")))
        lines.append(map.line());
    lines.sort();
    return lines;
}

const QStringList kExpected { "ext.pk3,EXT2,EXT2,EXT2,objective", "ext.pk3,deep,deep,deep,",
    "ext.pk3,ext1,ext1,ext1,ffa team round" };

} // namespace

TEST(ExternalArchives, InfoZipWithZip64RecordsDirectoriesAndComment)
{
    const QString zip = QStandardPaths::findExecutable(QStringLiteral("zip"));
    if (zip.isEmpty())
        GTEST_SKIP() << "Info-ZIP zip is not installed";
    test::TestContext t;
    for (const char* file :
        { "maps/dm/ext1.bsp", "maps/obj/EXT2.BSP", "maps/dm/sub/deep.bsp", "env/sky.jpg" }) {
        QDir(t.root.path()).mkpath(QFileInfo(t.root.filePath(QString::fromLatin1(file))).path());
        test::writeBytes(t.root.filePath(QString::fromLatin1(file)), "content");
    }
    // -fz forces zip64 records, -z takes a comment, -r adds directory entries. (Written to a pipe,
    // zip 3.0 adds data descriptors, and combined with -fz that gives archives no reader accepts.)
    run(zip, { "-q", "-r", "-fz", "-z", "ext.pk3", "maps", "env" }, t.root.path(), "a comment\n.\n");
    EXPECT_TRUE(test::readBytes(t.root.filePath(QStringLiteral("ext.pk3"))).contains("PK\x06\x06"));
    EXPECT_EQ(sortedMapLines(t.root.filePath(QStringLiteral("ext.pk3"))), kExpected);
}

TEST(ExternalArchives, PythonZipfileStreamedWithZip64Records)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    test::TestContext t;
    // Written to a pipe, with limits lowered so that even this small archive gets zip64 records.
    const QByteArray archive = run(python, { "-c", QStringLiteral(R"(
import sys, zipfile
zipfile.ZIP64_LIMIT = zipfile.ZIP_FILECOUNT_LIMIT = 1
with zipfile.ZipFile(sys.stdout.buffer, "w", zipfile.ZIP_DEFLATED) as archive:
    archive.comment = b"written by zipfile"
    archive.writestr(zipfile.ZipInfo("maps/dm/"), b"")
    for name in ("maps/dm/ext1.bsp", "Maps/Obj/EXT2.BSP", "maps/dm/nested/deep.bsp", "env/sky.jpg"):
        archive.writestr(name, b"bsp data" * 10)
)") },
        t.root.path(), {});
    EXPECT_TRUE(archive.contains("PK\x06\x06") && archive.contains("PK\x07\x08"));
    test::writeBytes(t.root.filePath(QStringLiteral("py.pk3")), archive);
    EXPECT_EQ(sortedMapLines(t.root.filePath(QStringLiteral("py.pk3"))), kExpected);
}
