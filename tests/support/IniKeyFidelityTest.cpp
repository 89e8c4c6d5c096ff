#include "support/ini/CIniFile.h"
#include "support/ini/IniDocument.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"

#include <QPair>
#include <QTemporaryDir>

// A key is written only where the file gives it back as itself; the profile functions would write
// the line anyway and lose the key, or open a section with it that takes the keys after it.
TEST(IniKeyFidelity, AKeyTheFileCouldNotGiveBackIsRefusedAndChangesNoByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"keys.ini"_s);
    const QByteArray original("[s]\r\n[x=1\r\n[t]\r\nlater=1\r\n");
    test::writeBytes(path, original);
    CIniFile ini;
    ini.Init(path);
    const auto save = [&](const QString& key, const QString& value) {
        return test::raisedNumber(u"Fortwright.CIniFile"_s, [&] { ini.SaveStringValue(u"s"_s, key, value); });
    };
    const QPair<QString, QString> refused[] = {
        { u"[a]"_s, u"v"_s }, // a header
        { u"[b"_s, u"v]"_s }, // a header once the value closes it
        { u"[x"_s, u"]"_s }, // the same, in place
        { u"a=b"_s, u"v"_s }, // the key "a"
        { u";c"_s, u"v"_s }, // a comment
        { u"two\nlines"_s, u"v"_s }, { u"\u0101"_s, u"v"_s }, // not in the code page
    };
    for (const auto& [key, value] : refused) {
        EXPECT_EQ(save(key, value), IniFileError::InvalidKey) << qPrintable(key);
        EXPECT_EQ(test::readBytes(path), original) << qPrintable(key);
    }
    EXPECT_EQ(save(u"[x"_s, u"2"_s), 0);
    EXPECT_EQ(save(u"[b"_s, u"v"_s), 0);
    EXPECT_EQ(test::readBytes(path), "[s]\r\n[x=2\r\n[b=v\r\n[t]\r\nlater=1\r\n");
}

TEST(IniKeyFidelity, AMarkAfterTheFilesStartIsPartOfTheName)
{
    // Found by fuzzing: read without its mark, the key "[¤]" was written back as a header.
    IniDocument document("\xEF\xBB\xBF[s]\n\xEF\xBB\xBF[k]=v\n");
    const QString key = u"\uFEFF[k]"_s;
    EXPECT_EQ(document.keyNames(u"s"_s), QStringList { key });
    IniDocument fresh(QByteArray("\xEF\xBB\xBF"));
    ASSERT_TRUE(fresh.setValue(u"s"_s, key, u"v"_s));
    EXPECT_EQ(IniDocument(fresh.bytes()).value(u"s"_s, key), u"v"_s);
}
