#include "support/files/CFile.h"
#include "support/errors/FortwrightError.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace fw;

namespace {

CFile fileAt(const QString& path)
{
    CFile file;
    file.Init(path);
    return file;
}

} // namespace

TEST(CFile, EachDocumentedErrorNumber)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("a.cfg"));
    const QString target = dir.filePath(QStringLiteral("b.cfg"));
    test::writeBytes(source, "new");
    test::writeBytes(target, "old");
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    CFile unset;
    const CFile file = fileAt(source);
    test::expectNumbers(QStringLiteral("Fortwright.CFile"),
        {
            { [&] { unset.FilePath(); }, FileError::NotInitialized,
                "Object not properly initialized. Set the PathFileName property to a non-empty value first" },
            { [&] { unset.Init(QString()); }, FileError::InvalidFileName, "Invalid file name" },
            { [&] { fileAt(dir.filePath(QStringLiteral("none"))).Size(); }, FileError::FileNotFound,
                "File not found" },
            { [&] { file.Copy(dir.filePath(QStringLiteral("no/such/folder.cfg"))); }, FileError::CopyFailed,
                "File copy failed" },
            { [&] { file.Move(target); }, FileError::MoveFailed, "File move failed" },
            { [&] { fileAt(dir.filePath(QStringLiteral("folder"))).Delete(); }, FileError::DeleteFailed,
                "File delete failed" },
        });
    EXPECT_EQ(test::readBytes(target), QByteArray("old")) << "a move never overwrites";
}
