#include "maps/Pk3Archive.h"
#include "support/FortwrightError.h"
#include "testkit/TestContext.h"
#include "testkit/ZipFixture.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimeZone>
#include <gtest/gtest.h>

using namespace fw;

namespace {

QStringList entryTexts(const Pk3Archive& archive)
{
    QStringList out;
    for (qint64 i = 0; i < archive.count(); ++i) {
        const Pk3Entry entry = archive.entry(i);
        out.append(entry.folder + QLatin1Char('|') + entry.fileName);
    }
    return out;
}

// The number of the error opening path raises, 0 when it opens.
qint32 openError(const QString& path)
{
    try {
        Pk3Archive archive(path);
        return 0;
    } catch (const FortwrightError& error) {
        return error.number();
    }
}

} // namespace

TEST(Pk3Entry, FolderIsLowerCaseWithBackslashesAndBothPartsAreTrimmed)
{
    const auto split = [](const char* path) {
        const Pk3Entry entry = Pk3Entry::fromPath(QString::fromUtf8(path));
        return entry.folder + QLatin1Char('|') + entry.fileName;
    };
    EXPECT_EQ(split("maps/dm/mymap.bsp"), QStringLiteral("maps\\dm\\|mymap.bsp"));
    EXPECT_EQ(split("Maps/DM/MyMap.BSP"), QStringLiteral("maps\\dm\\|MyMap.BSP"))
        << "the name keeps its case";
    EXPECT_EQ(split("maps\\obj\\y1.bsp"), QStringLiteral("maps\\obj\\|y1.bsp"));
    EXPECT_EQ(split(" maps/dm/  spaced.bsp "), QStringLiteral("maps\\dm\\|spaced.bsp"));
    EXPECT_EQ(split("top.bsp"), QStringLiteral("|top.bsp"));
    EXPECT_EQ(split("maps/dm/"), QStringLiteral("maps\\dm\\|")) << "a directory entry has no file name";
    EXPECT_EQ(split("a/maps/dm/deep.bsp"), QStringLiteral("a\\maps\\dm\\|deep.bsp"));
}

TEST(Pk3Archive, ListsEveryEntryOfALibzipArchiveInOrder)
{
    test::TestContext t;
    const QString path = t.root.filePath(QStringLiteral("maps1.pk3"));
    test::ZipFixture({ "maps/", "maps/dm/", "maps/dm/mymap.bsp", "textures/wall.jpg", "MAPS/OBJ/Base.BSP" })
        .comment(QStringLiteral("made for a test"))
        .write(path);

    const Pk3Archive archive(path);
    EXPECT_EQ(entryTexts(archive),
        QStringList({ "maps\\|", "maps\\dm\\|", "maps\\dm\\|mymap.bsp", "textures\\|wall.jpg",
            "maps\\obj\\|Base.BSP" }));
}

TEST(Pk3Archive, AnythingThatIsNoArchiveIsFileNotFound)
{
    test::TestContext t;
    const QString good = t.root.filePath(QStringLiteral("good.pk3"));
    test::ZipFixture({ "maps/dm/one.bsp", "maps/dm/two.bsp" }).comment(QStringLiteral("tail")).write(good);
    const QByteArray bytes = test::readBytes(good);
    ASSERT_EQ(openError(good), 0);

    const auto errorFor = [&](const char* name, const QByteArray& content) {
        const QString path = t.root.filePath(QString::fromLatin1(name));
        test::writeBytes(path, content);
        return openError(path);
    };
    EXPECT_EQ(errorFor("empty.pk3", {}), RuntimeError::FileNotFound);
    EXPECT_EQ(errorFor("text.pk3", "This is a readme, not an archive.\r\n"), RuntimeError::FileNotFound);
    EXPECT_EQ(errorFor("header.pk3", bytes.left(4)), RuntimeError::FileNotFound);
    EXPECT_EQ(errorFor("half.pk3", bytes.left(bytes.size() / 2)), RuntimeError::FileNotFound);
    EXPECT_EQ(errorFor("no-end.pk3", bytes.left(bytes.size() - 26)), RuntimeError::FileNotFound);
    QByteArray pointsPastEnd = bytes;
    const qsizetype end = pointsPastEnd.lastIndexOf("PK\x05\x06");
    ASSERT_GT(end, 0);
    pointsPastEnd[end + 16] = '\x7f'; // central directory offset beyond the file
    EXPECT_EQ(errorFor("bad-offset.pk3", pointsPastEnd), RuntimeError::FileNotFound);
    EXPECT_EQ(openError(t.root.filePath(QStringLiteral("missing.pk3"))), RuntimeError::FileNotFound);
    EXPECT_EQ(openError(t.root.path()), RuntimeError::FileNotFound) << "a folder";
}

TEST(Pk3Archive, CachingTheTimeZoneNamesTheSystemZoneOnlyWhenNoneIsSet)
{
    const bool wasSet = qEnvironmentVariableIsSet("TZ");
    const QByteArray saved = qgetenv("TZ");
    qunsetenv("TZ");
    const QByteArray systemZone = QTimeZone::systemTimeZoneId();
    const int offset = QDateTime::fromSecsSinceEpoch(1700000000).offsetFromUtc();

    Pk3Archive::cacheLocalTimeZone();
    EXPECT_EQ(qgetenv("TZ"), QFileInfo::exists(QStringLiteral("/etc/localtime")) ? ":/etc/localtime" : "");
    EXPECT_EQ(QTimeZone::systemTimeZoneId(), systemZone) << "the same zone, only read once";
    EXPECT_EQ(QDateTime::fromSecsSinceEpoch(1700000000).offsetFromUtc(), offset);

    qputenv("TZ", "America/New_York");
    Pk3Archive::cacheLocalTimeZone();
    EXPECT_EQ(qgetenv("TZ"), "America/New_York") << "a zone the user chose stays";

    if (wasSet)
        qputenv("TZ", saved);
    else
        qunsetenv("TZ");
}
