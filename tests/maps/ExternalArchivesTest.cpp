#include "maps/Pk3Archive.h"
#include "maps/ScanRules.h"
#include "testkit/QtPrinters.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace fw;

// Archives written by other tools than libzip: the layouts players' pk3 files really come in.

namespace {

struct ToolRun {
    bool ok = false;
    QByteArray output;
};

ToolRun runTool(const QString& program, const QStringList& arguments, const QString& workingDir,
    const QByteArray& input = {})
{
    QProcess process;
    process.setWorkingDirectory(workingDir);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return { true, process.readAllStandardOutput() };
}

QStringList mapLines(const QString& path)
{
    QStringList lines;
    for (const MapEntry& map : customArchiveMaps(Pk3Archive(path), QStringLiteral("ext.pk3")))
        lines.append(map.line());
    return lines;
}

QStringList folders(const QString& path)
{
    const Pk3Archive archive(path);
    QStringList out;
    for (qint64 i = 0; i < archive.count(); ++i)
        out.append(archive.entry(i).folder + QLatin1Char('|') + archive.entry(i).fileName);
    return out;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// Forced data descriptors, zip64 records, directory entries, nested folders and a comment.
const char* kPythonWriter = R"(
import sys, zipfile
zipfile.ZIP64_LIMIT = 1
zipfile.ZIP_FILECOUNT_LIMIT = 1
with zipfile.ZipFile(sys.stdout.buffer, "w", zipfile.ZIP_DEFLATED) as archive:
    archive.comment = b"written by zipfile"
    archive.writestr(zipfile.ZipInfo("maps/"), b"")
    archive.writestr(zipfile.ZipInfo("maps/dm/"), b"")
    archive.writestr("maps/dm/py1.bsp", b"bsp data" * 10)
    archive.writestr("Maps/Obj/PY2.BSP", b"bsp data")
    archive.writestr("maps/dm/nested/deep.bsp", b"bsp data")
    archive.writestr("scripts/py1.scr", b"text")
)";

} // namespace

TEST(ExternalArchives, InfoZipStreamedAndZip64WithFoldersAndComments)
{
    const QString zip = QStandardPaths::findExecutable(QStringLiteral("zip"));
    if (zip.isEmpty())
        GTEST_SKIP() << "Info-ZIP zip is not installed";
    test::TestContext t;
    QDir tree(t.root.path());
    for (const char* file :
        { "maps/dm/ext1.bsp", "maps/obj/EXT2.BSP", "maps/dm/sub/deep.bsp", "env/sky.jpg" }) {
        tree.mkpath(QFileInfo(tree.filePath(QString::fromLatin1(file))).path());
        test::writeBytes(tree.filePath(QString::fromLatin1(file)), "content");
    }
    // Written to a pipe, zip uses data descriptors; -fz forces zip64 records; -z reads a comment.
    // (zip 3.0 cannot combine the two: it writes archives no reader accepts.)
    const QByteArray comment = "a comment from zip\n.\n";
    const ToolRun streamed = runTool(zip, { "-q", "-r", "-z", "-", "maps", "env" }, t.root.path(), comment);
    ASSERT_TRUE(streamed.ok);
    ASSERT_TRUE(streamed.output.contains("PK\x07\x08")) << "data descriptors expected";
    test::writeBytes(t.root.filePath(QStringLiteral("streamed.pk3")), streamed.output);
    ASSERT_TRUE(
        runTool(zip, { "-q", "-r", "-fz", "-z", "zip64.pk3", "maps", "env" }, t.root.path(), comment).ok);
    ASSERT_TRUE(test::readBytes(t.root.filePath(QStringLiteral("zip64.pk3"))).contains("PK\x06\x06"))
        << "zip64 end record expected";

    for (const char* name : { "streamed.pk3", "zip64.pk3" }) {
        SCOPED_TRACE(name);
        const QString archive = t.root.filePath(QString::fromLatin1(name));
        EXPECT_EQ(sorted(folders(archive)),
            sorted({ "env\\|", "env\\|sky.jpg", "maps\\|", "maps\\dm\\|", "maps\\dm\\|ext1.bsp",
                "maps\\dm\\sub\\|", "maps\\dm\\sub\\|deep.bsp", "maps\\obj\\|", "maps\\obj\\|EXT2.BSP" }));
        EXPECT_EQ(sorted(mapLines(archive)),
            sorted({ "ext.pk3,EXT2,EXT2,EXT2,objective", "ext.pk3,deep,deep,deep,",
                "ext.pk3,ext1,ext1,ext1,ffa team round" }));
    }
}

TEST(ExternalArchives, PythonZipfileStreamedWithZip64Records)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    test::TestContext t;
    // Written to a pipe, which makes zipfile use data descriptors.
    const ToolRun run = runTool(python, { "-c", QString::fromLatin1(kPythonWriter) }, t.root.path());
    ASSERT_TRUE(run.ok);
    ASSERT_TRUE(run.output.contains("PK\x06\x06")) << "zip64 end record expected";
    ASSERT_TRUE(run.output.contains("PK\x07\x08")) << "data descriptors expected";
    const QString archive = t.root.filePath(QStringLiteral("py.pk3"));
    test::writeBytes(archive, run.output);

    EXPECT_EQ(folders(archive),
        QStringList({ "maps\\|", "maps\\dm\\|", "maps\\dm\\|py1.bsp", "maps\\obj\\|PY2.BSP",
            "maps\\dm\\nested\\|deep.bsp", "scripts\\|py1.scr" }));
    EXPECT_EQ(mapLines(archive),
        QStringList({ "ext.pk3,py1,py1,py1,ffa team round", "ext.pk3,PY2,PY2,PY2,objective",
            "ext.pk3,deep,deep,deep," }));
}
