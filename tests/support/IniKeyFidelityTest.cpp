#include "support/ini/CIniFile.h"
#include "support/ini/IniDocument.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"

#include <QPair>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace fw;

// A key is written only where the file gives it back as itself; the profile functions would write
// the line anyway and lose the key, or open a section with it that takes the keys after it.
TEST(IniKeyFidelity, AKeyTheFileCouldNotGiveBackIsRefusedAndChangesNoByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keys.ini"));
    const QByteArray original("[s]\r\n[x=1\r\n[t]\r\nlater=1\r\n");
    test::writeBytes(path, original);
    CIniFile ini;
    ini.Init(path);
    const auto save = [&](const QString& key, const QString& value) {
        return test::raisedNumber(QStringLiteral("Fortwright.CIniFile"),
            [&] { ini.SaveStringValue(QStringLiteral("s"), key, value); });
    };
    const QPair<QString, QString> refused[] = {
        { QStringLiteral("[a]"), QStringLiteral("v") }, // a header
        { QStringLiteral("[b"), QStringLiteral("v]") }, // a header once the value closes it
        { QStringLiteral("[x"), QStringLiteral("]") }, // the same, in place
        { QStringLiteral("a=b"), QStringLiteral("v") }, // the key "a"
        { QStringLiteral(";c"), QStringLiteral("v") }, // a comment
        { QStringLiteral("two\nlines"), QStringLiteral("v") },
        { QString::fromUtf8("\u0101"), QStringLiteral("v") }, // not in the code page
    };
    for (const auto& [key, value] : refused) {
        EXPECT_EQ(save(key, value), IniFileError::InvalidKey) << qPrintable(key);
        EXPECT_EQ(test::readBytes(path), original) << qPrintable(key);
    }
    EXPECT_EQ(save(QStringLiteral("[x"), QStringLiteral("2")), 0);
    EXPECT_EQ(save(QStringLiteral("[b"), QStringLiteral("v")), 0);
    EXPECT_EQ(test::readBytes(path), "[s]\r\n[x=2\r\n[b=v\r\n[t]\r\nlater=1\r\n");
}

TEST(IniKeyFidelity, AMarkAfterTheFilesStartIsPartOfTheName)
{
    // Found by fuzzing: read without its mark, the key "[¤]" was written back as a header.
    IniDocument document("\xEF\xBB\xBF[s]\n\xEF\xBB\xBF[k]=v\n");
    const QString key = QChar(0xFEFF) + QStringLiteral("[k]");
    EXPECT_EQ(document.keyNames(QStringLiteral("s")), QStringList { key });
    IniDocument fresh(QByteArray("\xEF\xBB\xBF"));
    ASSERT_TRUE(fresh.setValue(QStringLiteral("s"), key, QStringLiteral("v")));
    EXPECT_EQ(IniDocument(fresh.bytes()).value(QStringLiteral("s"), key), QStringLiteral("v"));
}
