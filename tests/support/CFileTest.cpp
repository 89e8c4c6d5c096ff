#include "support/CFile.h"
#include "support/FortwrightError.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace fw;
using test::readBytes;
using test::writeBytes;

namespace {

qint32 raised(const std::function<void()>& call)
{
    return test::raisedNumber(QStringLiteral("Fortwright.CFile"), call);
}

CFile fileAt(const QString& path)
{
    CFile file;
    file.Init(path);
    return file;
}

} // namespace

TEST(CFile, RefusesEverythingUntilAPathIsSet)
{
    CFile file;
    const QList<std::function<void()>> members { [&] { file.Attributes(); }, [&] { file.Contents(); },
        [&] { file.setContents(QStringLiteral("x")); }, [&] { file.FileName(); }, [&] { file.FileExt(); },
        [&] { file.FilePath(); }, [&] { file.PathFileName(); }, [&] { file.ReadOnly(); },
        [&] { file.ShortFileName(); }, [&] { file.Size(); }, [&] { file.Copy(QStringLiteral("/tmp/x")); },
        [&] { file.Delete(); }, [&] { file.Exists(); }, [&] { file.IdenticalWith(QStringLiteral("/tmp/x")); },
        [&] { file.Move(QStringLiteral("/tmp/x")); } };
    for (const auto& member : members)
        EXPECT_EQ(raised(member), FileError::NotInitialized);
    EXPECT_EQ(raised([&] { file.Init(QString()); }), FileError::InvalidFileName);
    EXPECT_EQ(raised([&] { file.setPathFileName(QString()); }), FileError::InvalidFileName);
}

TEST(CFile, SplitsThePathIntoFolderNameAndExtension)
{
    const CFile server = fileAt(QStringLiteral("D:\\Games\\MOHAA\\MOHAA_server.exe"));
    EXPECT_EQ(server.FilePath(), QStringLiteral("D:\\Games\\MOHAA"));
    EXPECT_EQ(server.FileName(), QStringLiteral("MOHAA_server.exe"));
    EXPECT_EQ(server.FileExt(), QStringLiteral("exe"));
    const CFile dotted = fileAt(QStringLiteral("/home/me/my.folder/readme"));
    EXPECT_EQ(dotted.FileExt(), QStringLiteral("folder/readme"));
    EXPECT_EQ(dotted.FilePath(), QStringLiteral("/home/me/my.folder"));
    const CFile bare = fileAt(QStringLiteral("readme"));
    EXPECT_EQ(bare.FileName(), QStringLiteral("readme"));
    EXPECT_EQ(bare.FilePath(), QString());
    EXPECT_EQ(bare.FileExt(), QString());
}

TEST(CFile, AnswersAboutAFileAndItsText)
{
    QTemporaryDir dir;
    CFile file = fileAt(dir.filePath(QStringLiteral("notes.txt")));
    EXPECT_FALSE(file.Exists());
    EXPECT_EQ(file.ShortFileName(), QString());
    EXPECT_EQ(raised([&] { file.Contents(); }), FileError::FileNotFound);
    EXPECT_EQ(raised([&] { file.Size(); }), FileError::FileNotFound);
    EXPECT_EQ(raised([&] { file.ReadOnly(); }), FileError::FileNotFound);

    file.setContents(QString::fromUtf8("first\r\nsecond \u00e9"));
    EXPECT_EQ(readBytes(file.PathFileName()), QByteArray("first\r\nsecond \xE9\r\n"));
    EXPECT_EQ(file.Contents(), QString::fromUtf8("\r\nfirst\r\nsecond \u00e9"));
    EXPECT_EQ(file.Size(), 17);
    EXPECT_EQ(file.ShortFileName(), file.PathFileName());
    EXPECT_EQ(file.Attributes(), FileAttribute::Archive);
    EXPECT_FALSE(file.ReadOnly());

    writeBytes(file.PathFileName(), "unix\nlines\n");
    EXPECT_EQ(file.Contents(), QStringLiteral("\r\nunix\r\nlines"));

    const CFile folder = fileAt(dir.filePath(QStringLiteral(".hidden")));
    QDir(dir.path()).mkdir(QStringLiteral(".hidden"));
    EXPECT_EQ(folder.Attributes(), FileAttribute::Directory | FileAttribute::Hidden);
    EXPECT_EQ(raised([&] { folder.Delete(); }), FileError::DeleteFailed);

    QFile::setPermissions(file.PathFileName(), QFile::ReadOwner);
    EXPECT_TRUE(file.ReadOnly());
    EXPECT_EQ(file.Attributes(), FileAttribute::Archive | FileAttribute::ReadOnly);
}

TEST(CFile, CopiesMovesAndDeletes)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("a.cfg"));
    const QString target = dir.filePath(QStringLiteral("b.cfg"));
    writeBytes(source, "new");
    writeBytes(target, "old and longer");
    const CFile file = fileAt(QStringLiteral("  ") + source + QStringLiteral(" "));

    file.Copy(target + QStringLiteral("  "));
    EXPECT_EQ(readBytes(target), QByteArray("new")) << "an existing target is replaced";
    EXPECT_EQ(raised([&] { file.Copy(QStringLiteral("   ")); }), FileError::InvalidFileName);
    EXPECT_EQ(raised([&] { file.Copy(dir.filePath(QStringLiteral("no/such/folder.cfg"))); }),
        FileError::CopyFailed);

    EXPECT_EQ(raised([&] { file.Move(target); }), FileError::MoveFailed) << "a move never overwrites";
    EXPECT_EQ(readBytes(source), QByteArray("new"));
    const QString moved = dir.filePath(QStringLiteral("c.cfg"));
    file.Move(moved);
    EXPECT_FALSE(QFileInfo::exists(source));
    EXPECT_EQ(readBytes(moved), QByteArray("new"));
    EXPECT_EQ(file.PathFileName(), QStringLiteral("  ") + source + QStringLiteral(" "))
        << "the old path stays";
    EXPECT_EQ(raised([&] { file.Copy(target); }), FileError::FileNotFound);
    EXPECT_EQ(raised([&] { file.Move(target); }), FileError::FileNotFound);

    const CFile last = fileAt(moved);
    last.Delete();
    EXPECT_FALSE(QFileInfo::exists(moved));
    EXPECT_EQ(raised([&] { last.Delete(); }), FileError::FileNotFound);
}

TEST(CFile, ComparesFilesBlockByBlock)
{
    QTemporaryDir dir;
    QByteArray bytes(16384 * 2 + 1, 'm');
    const QString a = dir.filePath(QStringLiteral("a.pk3"));
    const QString b = dir.filePath(QStringLiteral("b.pk3"));
    writeBytes(a, bytes);
    writeBytes(b, bytes);
    const CFile file = fileAt(a);
    EXPECT_TRUE(file.IdenticalWith(b));

    bytes[bytes.size() - 1] = 'x';
    writeBytes(b, bytes);
    EXPECT_FALSE(file.IdenticalWith(b)) << "the odd last byte counts";
    bytes[bytes.size() - 1] = 'm';
    bytes[16384] = 'x';
    writeBytes(b, bytes);
    EXPECT_FALSE(file.IdenticalWith(b));
    writeBytes(b, bytes.left(100));
    EXPECT_FALSE(file.IdenticalWith(b));
    EXPECT_EQ(
        raised([&] { file.IdenticalWith(dir.filePath(QStringLiteral("none"))); }), FileError::FileNotFound);
}
