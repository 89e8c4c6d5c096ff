#include "support/ini/CIniFile.h"
#include "support/errors/FortwrightError.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"

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

TEST_F(IniFixture, EachDocumentedErrorNumberAndARefusedWriteCreatesNothing)
{
    test::expectNumbers(QStringLiteral("Fortwright.CIniFile"),
        {
            { [&] { ini.Init(QString()); }, IniFileError::InvalidFileName, "Invalid file name" },
            { [&] { ini.GetStringValue(QStringLiteral("s"), QStringLiteral("k")); },
                IniFileError::FileNotFound, "File not found" },
            { [&] { ini.SaveStringValue(QStringLiteral("s"), QString(), QStringLiteral("v")); },
                IniFileError::InvalidKey, "Invalid key" },
            { [&] { ini.SaveNumericValue(QString(), QStringLiteral("k"), 1); }, IniFileError::InvalidSection,
                "Invalid section" },
        });
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(IniFixture, NumbersOutsideSixteenBitsFailAndValuesStopAt254Characters)
{
    file("[Server]\r\nbig=32768\r\nlow=-32769\r\nedge=-32768\r\nempty=\r\nlong=" + QByteArray(300, 'x')
        + "\r\n");
    const QString s = QStringLiteral("server");
    EXPECT_EQ(ini.GetNumericValue(s, QStringLiteral("edge")), -32768);
    EXPECT_EQ(ini.GetNumericValue(s, QStringLiteral("missing")), -1);
    EXPECT_EQ(ini.GetNumericValue(s, QStringLiteral("empty")), -1);
    EXPECT_EQ(raised([&] { ini.GetNumericValue(s, QStringLiteral("big")); }), IniFileError::ComponentFailure);
    EXPECT_EQ(raised([&] { ini.GetNumericValue(s, QStringLiteral("low")); }), IniFileError::ComponentFailure);
    EXPECT_EQ(ini.GetStringValue(s, QStringLiteral("long")), QString(254, QLatin1Char('x')));
}

TEST_F(IniFixture, WritesReplaceInPlaceAppendAtTheEndOfTheSectionAndKeepTheRest)
{
    // Written by another tool: LF line ends, a comment, padding, a blank line, no final line end.
    file("; made elsewhere\n[A]\nkey = old ; note\nother=1\n\n[B]\nx=\xE9t\xE9");
    ini.SaveStringValue(QStringLiteral("a"), QStringLiteral("KEY"), QStringLiteral("new"));
    ini.SaveNumericValue(QStringLiteral("A"), QStringLiteral("added"), -7);
    ini.SaveStringValue(QStringLiteral("B"), QStringLiteral("y"), QString::fromUtf8("\u20ac 5"));
    ini.SaveStringValue(QStringLiteral("C"), QStringLiteral("z"), QStringLiteral(" two\r\nlines "));
    EXPECT_EQ(bytes(),
        QByteArray("; made elsewhere\n[A]\nkey=new\nother=1\nadded=-7\r\n\n[B]\nx=\xE9t\xE9\r\ny=\x80 "
                   "5\r\n[C]\r\nz= two  lines \r\n"))
        << "a new section goes last, on lines of its own; the value keeps its blanks";
    EXPECT_EQ(ini.GetStringValue(QStringLiteral("C"), QStringLiteral("z")), QStringLiteral("two  lines"))
        << "and reads back trimmed";
}
