#include "maps/Pk3Archive.h"
#include "maps/ScanRules.h"
#include "testkit/QtPrinters.h"
#include "testkit/TestContext.h"

#include <QProcess>
#include <QStandardPaths>

// An archive from another writer than libzip, in a layout players' pk3 files come in.
TEST(ExternalArchives, PythonZipfileStreamedWithZip64Records)
{
    const QString python = QStandardPaths::findExecutable(u"python3"_s);
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    test::TestContext t;
    // Written to a pipe, with limits lowered so that even this small archive gets zip64 records.
    QProcess process;
    process.start(python, { "-c", QStringLiteral(R"(
import sys, zipfile
zipfile.ZIP64_LIMIT = zipfile.ZIP_FILECOUNT_LIMIT = 1
with zipfile.ZipFile(sys.stdout.buffer, "w", zipfile.ZIP_DEFLATED) as archive:
    archive.comment = b"written by zipfile"
    archive.writestr(zipfile.ZipInfo("maps/dm/"), b"")
    for name in ("maps/dm/ext1.bsp", "Maps/Obj/EXT2.BSP", "maps/dm/nested/deep.bsp", "env/sky.jpg"):
        archive.writestr(name, b"bsp data" * 10)
)") });
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0)
        << process.readAllStandardError().data();
    const QByteArray archive = process.readAllStandardOutput();
    EXPECT_TRUE(archive.contains("PK\x06\x06") && archive.contains("PK\x07\x08"));
    const QString path = t.root.filePath(u"py.pk3"_s);
    test::writeBytes(path, archive);
    QStringList lines;
    for (const MapEntry& map : customArchiveMaps(Pk3Archive(path), u"ext.pk3"_s))
        lines.append(map.line());
    lines.sort();
    EXPECT_EQ(lines,
        QStringList({ "ext.pk3,EXT2,EXT2,EXT2,objective", "ext.pk3,deep,deep,deep,",
            "ext.pk3,ext1,ext1,ext1,ffa team round" }));
}
