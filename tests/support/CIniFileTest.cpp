#include "support/ini/CIniFile.h"
#include "support/errors/FortwrightError.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

namespace {

struct IniFixture : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath(u"profile.ini"_s);
    CIniFile ini;

    IniFixture() { ini.Init(path); }
    void file(const QByteArray& bytes) { writeBytes(path, bytes); }
    QByteArray bytes() const { return readBytes(path); }
};

qint32 raised(const std::function<void()>& call)
{
    return test::raisedNumber(u"Fortwright.CIniFile"_s, call);
}

} // namespace

TEST_F(IniFixture, EachDocumentedErrorNumberAndARefusedWriteCreatesNothing)
{
    test::expectNumbers(u"Fortwright.CIniFile"_s,
        {
            { [&] { ini.Init(QString()); }, IniFileError::InvalidFileName, "Invalid file name" },
            { [&] { ini.GetStringValue(u"s"_s, u"k"_s); }, IniFileError::FileNotFound, "File not found" },
            { [&] { ini.SaveStringValue(u"s"_s, QString(), u"v"_s); }, IniFileError::InvalidKey,
                "Invalid key" },
            { [&] { ini.SaveNumericValue(QString(), u"k"_s, 1); }, IniFileError::InvalidSection,
                "Invalid section" },
        });
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(IniFixture, NumbersOutsideSixteenBitsFailAndValuesStopAt254Characters)
{
    file("[Server]\r\nbig=32768\r\nlow=-32769\r\nedge=-32768\r\nempty=\r\nlong=" + QByteArray(300, 'x')
        + "\r\n");
    const QString s = u"server"_s;
    EXPECT_EQ(QList<qint32>({ ini.GetNumericValue(s, u"edge"_s), ini.GetNumericValue(s, u"missing"_s),
                  ini.GetNumericValue(s, u"empty"_s) }),
        QList<qint32>({ -32768, -1, -1 }));
    for (const QString& outside : { u"big"_s, u"low"_s })
        EXPECT_EQ(raised([&] { ini.GetNumericValue(s, outside); }), IniFileError::ComponentFailure)
            << outside.toStdString();
    EXPECT_EQ(ini.GetStringValue(s, u"long"_s), QString(254, QLatin1Char('x')));
}

TEST_F(IniFixture, WritesReplaceInPlaceAppendAtTheEndOfTheSectionAndKeepTheRest)
{
    // Written by another tool: LF line ends, a comment, padding, a blank line, no final line end.
    file("; made elsewhere\n[A]\nkey = old ; note\nother=1\n\n[B]\nx=\xE9t\xE9");
    ini.SaveStringValue(u"a"_s, u"KEY"_s, u"new"_s);
    ini.SaveNumericValue(u"A"_s, u"added"_s, -7);
    ini.SaveStringValue(u"B"_s, u"y"_s, QString::fromUtf8("\u20ac 5"));
    ini.SaveStringValue(u"C"_s, u"z"_s, u" two\r\nlines "_s);
    EXPECT_EQ(bytes(),
        QByteArray("; made elsewhere\n[A]\nkey=new\nother=1\nadded=-7\r\n\n[B]\nx=\xE9t\xE9\r\ny=\x80 "
                   "5\r\n[C]\r\nz= two  lines \r\n"))
        << "a new section goes last, on lines of its own; the value keeps its blanks";
    EXPECT_EQ(ini.GetStringValue(u"C"_s, u"z"_s), u"two  lines"_s) << "and reads back trimmed";
}
