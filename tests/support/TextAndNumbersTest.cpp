#include "support/errors/FortwrightError.h"
#include "support/files/AnsiTextFile.h"
#include "support/files/WholeFileBatch.h"
#include "support/platform/Clock.h"
#include "support/text/AnsiCodec.h"
#include "support/text/NumericText.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimeZone>

TEST(AnsiCodec, MapsTheHighControlsAndReplacesWhatTheCodePageLacks)
{
    EXPECT_EQ(toAnsi(QString::fromUtf8("\u20ac\u2019\u00e9A")),
        QByteArray("\x80\x92\xe9"
                   "A"));
    // Two characters outside the code page: an ideograph and a character beyond the BMP.
    EXPECT_EQ(toAnsi(QString::fromUtf8("a\u4e2db\U0001F600c")), QByteArray("a?b?c"));
    EXPECT_EQ(fromAnsi(QByteArray("\x80\x9f\xff\x81")), QString::fromUtf8("\u20ac\u0178\u00ff\u0081"));
    EXPECT_FALSE(isAnsiRepresentable(QString::fromUtf8("\u0416")));
    EXPECT_TRUE(isAnsiRepresentable(QString::fromUtf8("caf\u00e9 \u2122")));
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, char(b));
        EXPECT_EQ(toAnsi(fromAnsi(one)), one) << "byte " << b;
    }
}

TEST(AnsiTextFile, EndsEveryLineWithCrLfAndReplacesTheFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.cfg"_s);
    test::writeBytes(path, "old contents that are longer than the new ones\r\n");
    writeAnsiLines(path, { u"first"_s, QString(), QString::fromUtf8("caf\u00e9") });
    EXPECT_EQ(test::readBytes(path), QByteArray("first\r\n\r\ncaf\xe9\r\n"));
    EXPECT_EQ(splitTextLines(u"a\r\nb\nc\rd\r\n"_s), QStringList({ "a", "b", "c", "d" }));

    const auto e = test::raisedBy([&] { writeAnsiLines(dir.filePath(u"missing/out.cfg"_s), { u"x"_s }); });
    ASSERT_TRUE(e) << "writing into a missing folder must fail";
    EXPECT_EQ(e->number(), RuntimeError::PathNotFound);
    // What the list files are read with: a file gone between the look and the read is error 53.
    EXPECT_EQ(test::raisedNumber(kExecutableName, [&] { readUserTextFile(dir.filePath(u"gone.txt"_s)); }),
        RuntimeError::FileNotFound);
}

TEST(WholeFileBatch, ReplacesNothingBeforeTheCommitAndKeepsWhatTheTargetsWere)
{
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    const auto names = [&] { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); };
    test::writeBytes(at("kept.cfg"), "old");
    QFile::setPermissions(at("kept.cfg"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QFile::Permissions keptMode = QFile::permissions(at("kept.cfg"));
    QFile::link(at("real.cfg"), at("link.cfg"));
    test::writeBytes(at("real.cfg"), "real");
    {
        WholeFileBatch batch;
        batch.add(at("kept.cfg"), "new");
        batch.add(at("fresh.cfg"), "fresh");
        EXPECT_THROW(batch.add(at("gone/x.cfg"), "x"), FortwrightError);
        EXPECT_EQ(test::readBytes(at("kept.cfg")), "old") << "nothing replaced before the commit";
        EXPECT_FALSE(QFile::exists(at("fresh.cfg")));
    }
    EXPECT_EQ(names(), QStringList({ "kept.cfg", "link.cfg", "real.cfg" }))
        << "a dropped batch leaves nothing";

    WholeFileBatch batch;
    batch.add(at("kept.cfg"), "new");
    batch.add(at("fresh.cfg"), "fresh");
    batch.add(at("link.cfg"), "through the link");
    batch.commit();
    EXPECT_EQ(test::readBytes(at("kept.cfg")), "new");
    EXPECT_EQ(QFile::permissions(at("kept.cfg")), keptMode);
    EXPECT_EQ(test::readBytes(at("fresh.cfg")), "fresh");
    // A new file is readable by the group and others as the umask allows, not private to its owner.
    EXPECT_EQ(QFileInfo(at("fresh.cfg")).permissions() & QFile::ReadOther,
        QFileInfo(at("real.cfg")).permissions() & QFile::ReadOther);
    EXPECT_TRUE(QFileInfo(at("link.cfg")).isSymLink()) << "the link stays a link";
    EXPECT_EQ(test::readBytes(at("real.cfg")), "through the link");
    EXPECT_EQ(names(), QStringList({ "fresh.cfg", "kept.cfg", "link.cfg", "real.cfg" }));

    // Written piece by piece, the same: the old file until the commit, nothing left when dropped.
    {
        StagedFile dropped(at("kept.cfg"));
        EXPECT_TRUE(dropped.write("half"));
    }
    StagedFile staged(at("kept.cfg"));
    EXPECT_TRUE(staged.write("one ") && staged.write("two"));
    EXPECT_EQ(test::readBytes(at("kept.cfg")), "new");
    EXPECT_EQ(names().size(), 5) << "the temporary file beside it";
    staged.commit();
    EXPECT_EQ(test::readBytes(at("kept.cfg")), "one two");
    EXPECT_EQ(QFile::permissions(at("kept.cfg")), keptMode);
    EXPECT_EQ(names(), QStringList({ "fresh.cfg", "kept.cfg", "link.cfg", "real.cfg" }));
}

TEST(NumericText, ReadsTheLeadingNumberAndWritesTheShortestDecimal)
{
    QList<double> numbers;
    for (const QString& text :
        { u"56"_s, u"  -5abc"_s, u"2.5 minutes"_s, u".5"_s, u"abc"_s, QString(), u"x12"_s })
        numbers << leadingNumber(text);
    EXPECT_EQ(numbers, QList<double>({ 56, -5, 2.5, 0.5, 0, 0, 0 }));

    QStringList decimals;
    for (const double value : { 56.0, 0.5, -3.0, 0.1 + 0.2, 1e21, -0.0 })
        decimals << shortestDecimal(value);
    EXPECT_EQ(
        decimals, QStringList({ "56", "0.5", "-3", "0.30000000000000004", "1000000000000000000000", "0" }));
}

TEST(Clock, DateAndTimeTexts)
{
    const QDateTime now = QDateTime::fromSecsSinceEpoch(1000000000, QTimeZone::utc());
    EXPECT_EQ(slashDateText(now), u"09/09/2001"_s);
    EXPECT_FALSE(timeText(now).contains(u"UTC"_s));
    EXPECT_TRUE(timeText(now).contains(u"46:40"_s)) << timeText(now).toStdString();
    EXPECT_TRUE(longDateText(now).contains(u"2001"_s));
}
