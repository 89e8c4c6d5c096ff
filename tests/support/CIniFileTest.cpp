#include "support/CIniFile.h"
#include "support/FortwrightError.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace fw;
using test::readBytes;
using test::writeBytes;

namespace {

struct IniFixture : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("profile.ini"));
    CIniFile ini;

    IniFixture() { ini.Init(path); }
    void file(const QByteArray& bytes) { writeBytes(path, bytes); }
    QByteArray bytes() const { return readBytes(path); }
};

qint32 raised(const std::function<void()>& call)
{
    return test::raisedNumber(QStringLiteral("Fortwright.CIniFile"), call);
}

} // namespace

TEST_F(IniFixture, ChecksRunInOrderAndLeaveEverythingAsItWas)
{
    CIniFile fresh(QStringLiteral("/opt/fw"));
    EXPECT_EQ(QFileInfo(fresh.FileName()).fileName(), QStringLiteral("MyFileSettings.ini"));
    EXPECT_EQ(QFileInfo(fresh.FileName()).path(), QStringLiteral("/opt/fw"));

    EXPECT_EQ(raised([&] { ini.Init(QString()); }), IniFileError::InvalidFileName);
    EXPECT_EQ(raised([&] { ini.setFileName(QString()); }), IniFileError::InvalidFileName);
    EXPECT_EQ(ini.FileName(), path) << "a refused name keeps the previous one";

    // No file yet: reads, deletes and listings refuse, before looking at their arguments.
    QStringList list { QStringLiteral("kept") };
    EXPECT_EQ(raised([&] { ini.GetStringValue(QStringLiteral("s"), QStringLiteral("k")); }),
        IniFileError::FileNotFound);
    EXPECT_EQ(raised([&] { ini.GetNumericValue(QStringLiteral("s"), QStringLiteral("k")); }),
        IniFileError::FileNotFound);
    EXPECT_EQ(raised([&] { ini.DeleteKey(QString(), QString()); }), IniFileError::FileNotFound);
    EXPECT_EQ(raised([&] { ini.DeleteSection(QString()); }), IniFileError::FileNotFound);
    EXPECT_EQ(raised([&] { ini.EnumerateAllSections(list); }), IniFileError::FileNotFound);
    EXPECT_EQ(list, QStringList { QStringLiteral("kept") });

    EXPECT_EQ(raised([&] { ini.SaveStringValue(QStringLiteral("s"), QString(), QStringLiteral("v")); }),
        IniFileError::InvalidKey);
    EXPECT_EQ(raised([&] { ini.SaveNumericValue(QString(), QStringLiteral("k"), 1); }),
        IniFileError::InvalidSection);
    EXPECT_FALSE(QFileInfo::exists(path)) << "a refused write creates nothing";

    ini.SaveStringValue(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_EQ(bytes(), QByteArray("[s]\r\nk=v\r\n")) << "the first write creates the file";
    EXPECT_EQ(raised([&] { ini.DeleteKey(QStringLiteral("s"), QString()); }), IniFileError::InvalidKey);
    EXPECT_EQ(raised([&] { ini.DeleteKey(QString(), QString()); }), IniFileError::InvalidSection);
    EXPECT_EQ(raised([&] { ini.EnumerateAllKeys(QString(), list); }), IniFileError::InvalidSection);
    EXPECT_EQ(bytes(), QByteArray("[s]\r\nk=v\r\n"));
}

TEST_F(IniFixture, ReadsNumbersAndTextsWithTheirLimits)
{
    const QByteArray longValue = QByteArray(300, 'x');
    file("[Server]\r\nport=12203\r\nneg=-5\r\nword=abc\r\nbig=32768\r\nlow=-32769\r\nedge=-32768\r\nhex="
         "0x1F\r\n"
         "long="
        + longValue + "\r\nquoted=\" padded \"\r\nempty=\r\n");
    const QString s = QStringLiteral("server");
    const std::pair<const char*, qint32> numbers[] = { { "PORT", 12203 }, { "neg", -5 }, { "word", 0 },
        { "edge", -32768 }, { "hex", 31 }, { "missing", -1 }, { "empty", -1 } };
    for (const auto& [key, number] : numbers)
        EXPECT_EQ(ini.GetNumericValue(s, QString::fromLatin1(key)), number) << key;
    EXPECT_EQ(ini.GetNumericValue(QStringLiteral("nosuch"), QStringLiteral("port")), -1);
    EXPECT_EQ(raised([&] { ini.GetNumericValue(s, QStringLiteral("big")); }), IniFileError::ComponentFailure);
    EXPECT_EQ(raised([&] { ini.GetNumericValue(s, QStringLiteral("low")); }), IniFileError::ComponentFailure);

    EXPECT_EQ(ini.GetStringValue(s, QStringLiteral("long")), QString(254, QLatin1Char('x')));
    EXPECT_EQ(ini.GetStringValue(s, QStringLiteral("quoted")), QStringLiteral(" padded "));
    EXPECT_EQ(ini.GetStringValue(s, QStringLiteral("empty")), QString());
    EXPECT_EQ(ini.GetStringValue(s, QStringLiteral("missing")), QString());
    EXPECT_EQ(ini.GetStringValue(QString(), QString()), QString()) << "reads do not check names";
}

TEST_F(IniFixture, WritesReplaceInPlaceAppendAtTheEndOfTheSectionAndKeepTheRest)
{
    // Written by another tool: LF line ends, a comment, padding, a blank line, no final line end.
    file("; made elsewhere\n[A]\nkey = old ; note\nother=1\n\n[B]\nx=\xE9t\xE9");
    ini.SaveStringValue(QStringLiteral("a"), QStringLiteral("KEY"), QStringLiteral("new"));
    EXPECT_EQ(bytes(), QByteArray("; made elsewhere\n[A]\nkey=new\nother=1\n\n[B]\nx=\xE9t\xE9"));

    ini.SaveNumericValue(QStringLiteral("A"), QStringLiteral("added"), -7);
    EXPECT_EQ(bytes(), QByteArray("; made elsewhere\n[A]\nkey=new\nother=1\nadded=-7\r\n\n[B]\nx=\xE9t\xE9"));

    ini.SaveStringValue(QStringLiteral("B"), QStringLiteral("y"), QString::fromUtf8("\u20ac 5"));
    EXPECT_EQ(bytes(),
        QByteArray(
            "; made elsewhere\n[A]\nkey=new\nother=1\nadded=-7\r\n\n[B]\nx=\xE9t\xE9\r\ny=\x80 5\r\n"));

    ini.SaveStringValue(QStringLiteral("C"), QStringLiteral("z"), QStringLiteral(" two\r\nlines "));
    EXPECT_TRUE(bytes().endsWith("y=\x80 5\r\n[C]\r\nz= two  lines \r\n"))
        << "a new section goes last, on lines of its own; the value keeps its blanks";
    EXPECT_EQ(ini.GetStringValue(QStringLiteral("C"), QStringLiteral("z")), QStringLiteral("two  lines"))
        << "and reads back trimmed";
    EXPECT_EQ(
        ini.GetStringValue(QStringLiteral("b"), QStringLiteral("X")), QString::fromUtf8("\u00e9t\u00e9"));

    QStringList names;
    EXPECT_EQ(ini.EnumerateAllSections(names), 3);
    EXPECT_EQ(names, (QStringList { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }));
    EXPECT_EQ(ini.EnumerateAllKeys(QStringLiteral("a"), names), 3);
    EXPECT_EQ(
        names, (QStringList { QStringLiteral("key"), QStringLiteral("other"), QStringLiteral("added") }));
    EXPECT_EQ(ini.EnumerateAllKeys(QStringLiteral("missing"), names), 0);
    EXPECT_TRUE(names.isEmpty());

    EXPECT_TRUE(ini.DeleteKey(QStringLiteral("A"), QStringLiteral("other")));
    EXPECT_TRUE(ini.DeleteKey(QStringLiteral("A"), QStringLiteral("never there")));
    EXPECT_TRUE(ini.DeleteSection(QStringLiteral("b")));
    EXPECT_EQ(bytes(), QByteArray("; made elsewhere\n[A]\nkey=new\nadded=-7\r\n\n[C]\r\nz= two  lines \r\n"));
}

TEST_F(IniFixture, OddFilesAreReadWithoutHarm)
{
    QByteArray odd("[s]\r\nnul=a\0b\r\nflag\r\n[broken\r\nafter=1\r\n", 38);
    file(odd);
    EXPECT_EQ(ini.GetStringValue(QStringLiteral("s"), QStringLiteral("nul")), QStringLiteral("a"));
    EXPECT_EQ(ini.GetStringValue(QStringLiteral("s"), QStringLiteral("flag")), QString());
    EXPECT_EQ(ini.GetNumericValue(QStringLiteral("s"), QStringLiteral("after")), 1)
        << "a header without ] starts nothing";
    QStringList keys;
    EXPECT_EQ(ini.EnumerateAllKeys(QStringLiteral("s"), keys), 2);

    file("\xEF\xBB\xBF[s]\r\nk=\xC3\xA9\r\n");
    EXPECT_EQ(ini.GetStringValue(QStringLiteral("S"), QStringLiteral("k")), QString::fromUtf8("\u00e9"));
    ini.SaveStringValue(QStringLiteral("s"), QStringLiteral("n"), QString::fromUtf8("\u20ac"));
    EXPECT_EQ(bytes(), QByteArray("\xEF\xBB\xBF[s]\r\nk=\xC3\xA9\r\nn=\xE2\x82\xAC\r\n"))
        << "UTF-8 behind its mark";
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_EQ(raised([&] { ini.SaveStringValue(QStringLiteral("s"), QStringLiteral("n"), QString()); }),
        IniFileError::ComponentFailure);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    // Lines that open a header and never close it, or hold no "=", each search only their own
    // line; reading them leaves the file as it was.
    for (const QByteArray& filler : { QByteArray("[open\r\n"), QByteArray("no equals here\r\n") }) {
        QByteArray hostile;
        while (hostile.size() < 150 * 1024)
            hostile += filler;
        hostile += "[s]\r\nk=v\r\n";
        file(hostile);
        EXPECT_EQ(ini.GetStringValue(QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("v"));
        EXPECT_EQ(ini.EnumerateAllSections(keys), 1);
        EXPECT_EQ(bytes(), hostile);
    }

    // Ten megabytes of keys: still read, listed up to the listing's cut, and written.
    QByteArray big("[big]\r\n");
    for (int i = 0; big.size() < 10 * 1024 * 1024; ++i)
        big += "key" + QByteArray::number(i) + "=some value of moderate length\r\n";
    big += "[tail]\r\nlast=found\r\n";
    file(big);
    EXPECT_EQ(ini.GetStringValue(QStringLiteral("tail"), QStringLiteral("last")), QStringLiteral("found"));
    const qint32 listed = ini.EnumerateAllKeys(QStringLiteral("big"), keys);
    EXPECT_GT(listed, 900);
    EXPECT_LT(listed, 1500);
    EXPECT_EQ(keys.first(), QStringLiteral("key0"));
    ini.SaveStringValue(QStringLiteral("tail"), QStringLiteral("last"), QStringLiteral("changed"));
    EXPECT_EQ(bytes().size(), big.size() + 2);
}
