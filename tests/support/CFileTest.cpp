#include "support/files/CFile.h"
#include "support/errors/FortwrightError.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>

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
    const QString source = dir.filePath(u"a.cfg"_s);
    const QString target = dir.filePath(u"b.cfg"_s);
    test::writeBytes(source, "new");
    test::writeBytes(target, "old");
    QDir(dir.path()).mkdir(u"folder"_s);
    CFile unset;
    const CFile file = fileAt(source);
    test::expectNumbers(u"Fortwright.CFile"_s,
        {
            { [&] { unset.FilePath(); }, FileError::NotInitialized,
                "Object not properly initialized. Set the PathFileName property to a non-empty value first" },
            { [&] { unset.Init(QString()); }, FileError::InvalidFileName, "Invalid file name" },
            { [&] { fileAt(dir.filePath(u"none"_s)).Size(); }, FileError::FileNotFound, "File not found" },
            { [&] { file.Copy(dir.filePath(u"no/such/folder.cfg"_s)); }, FileError::CopyFailed,
                "File copy failed" },
            { [&] { file.Move(target); }, FileError::MoveFailed, "File move failed" },
            { [&] { fileAt(dir.filePath(u"folder"_s)).Delete(); }, FileError::DeleteFailed,
                "File delete failed" },
        });
    EXPECT_EQ(test::readBytes(target), QByteArray("old")) << "a move never overwrites";
}
