#include "profile/ListFiles.h"
#include "profile/GridFile.h"
#include "profile/ServerProfile.h"
#include "support/errors/FortwrightError.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct ListFilesTest : ::testing::Test {
    test::TestContext t;
    QString file(const QString& name) const { return t.dataFile(name); }
    bool exists(const QString& name) const { return QFileInfo::exists(file(name)); }
};

} // namespace

TEST_F(ListFilesTest, GridCellsAreWrittenOnOneLineAndKeptAsTyped)
{
    const QString path = file(u"grid.txt"_s);
    GridFile::write(path, { { "x\ty", "line\r\nbreak", "\u00e9" } });
    EXPECT_EQ(readBytes(path), QByteArray("x y\tline  break\t\xe9\r\n"));
    // A cell the code page cannot hold (a path in a user's own language) is kept as typed.
    const QStringList beyond { u"/home/\u0142ukasz/clan.cfg"_s, u"\u263a"_s };
    GridFile::write(path, { beyond });
    EXPECT_EQ(readBytes(path), QByteArray("\xEF\xBB\xBF/home/\xC5\x82ukasz/clan.cfg\t\xE2\x98\xBA\r\n"));
    EXPECT_EQ(GridFile::read(path, 2), GridRows { beyond });
    const QStringList markLike { u"\u00ef\u00bb\u00bfmap"_s, QString() };
    GridFile::write(path, { markLike });
    EXPECT_EQ(GridFile::read(path, 2), GridRows { markLike })
        << "a first cell that spells the mark in the code page";
}

TEST_F(ListFilesTest, ABanFileWithoutItsHeaderRowIsReadPaddedAndCut)
{
    const QString path = file(kBannedListFile);
    writeBytes(path, "05/06/2026\t1.2.3.4\textra\n\n07/08/2026\n");
    EXPECT_EQ(
        ListFiles::readBans(path), QList<BanEntry>({ { "05/06/2026", "1.2.3.4" }, { "07/08/2026", "" } }))
        << "a file without its header row holds entries only";
}

TEST_F(ListFilesTest, EmptyLinesOfARotationFileAreNoRows)
{
    writeBytes(file(kRotationListFile), "solo\n\nm2\tobjective\n");
    EXPECT_EQ(ListFiles::readRotation(file(kRotationListFile)),
        QList<RotationRow>({ { "solo", "", "" }, { "m2", "objective", "" } }))
        << "empty lines are no rows";
}

// What a first start loads and its closing writes is held by the lifecycle tests of the window.
TEST_F(ListFilesTest, ClosingKeepsEveryListAndAnEmptiedRotationsOldFile)
{
    ServerProfile p;
    p.rotation.rows = { { "mohdm1", "ffa team round", "" } };
    p.bans = { { "01/01/2026", "1.1.1.1" } };
    p.configs[3] = { "d", "1", "a.cfg", "/nowhere/a.cfg" }; // empty rows keep their places
    p.message = u"hi"_s;
    ListFiles::saveAll(p, t.context);

    ServerProfile emptied = p;
    emptied.rotation.rows.clear();
    ListFiles::saveAll(emptied, t.context);
    ServerProfile next;
    ListFiles::loadAll(next, t.context);
    EXPECT_EQ(next.rotation.rows, p.rotation.rows) << "an emptied rotation leaves the old Maps.dat";
    EXPECT_EQ(std::tuple(next.bans, next.configs, next.message), std::tuple(p.bans, p.configs, u"hi\r\n"_s));
}

TEST_F(ListFilesTest, AnUnwritableDataFolderFailsEveryFileButReportsOnce)
{
    test::TestContext other;
    other.context.dataDir = t.dataFile(u"missing"_s);
    ServerProfile p;
    p.rotation.rows = { { "m", "", "" } };
    const auto e = test::raisedBy([&] { ListFiles::saveAll(p, other.context); });
    ASSERT_TRUE(e) << "the save must fail";
    EXPECT_EQ(e->number(), RuntimeError::PathNotFound);
    EXPECT_FALSE(QFileInfo::exists(other.context.dataDir));

    // Only the file that cannot be written fails; the others are still written.
    QDir().mkpath(file(kConfigListFile) + u"/blocked"_s);
    p.message = u"kept"_s;
    EXPECT_THROW(ListFiles::saveAll(p, t.context), FortwrightError);
    EXPECT_EQ(readBytes(file(kMessageFile)), QByteArray("kept\r\n"));
    EXPECT_TRUE(exists(kBannedListFile));
    EXPECT_TRUE(exists(kRotationListFile));
}
