#include "maps/Pk3Archive.h"
#include "maps/ScanRules.h"
#include "support/errors/FortwrightError.h"
#include "testkit/QtPrinters.h"
#include "testkit/TestContext.h"
#include "testkit/ZipFixture.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimeZone>
#include <random>

namespace {

// What a scan takes from an archive read one way: the error number, or the entry count and the
// map lines.
QString scanOf(const QString& path, ArchiveReaders readers, bool* readPlainly = nullptr)
{
    try {
        const Pk3Archive archive(path, readers);
        if (readPlainly)
            *readPlainly = archive.readPlainly();
        QStringList lines { QString::number(archive.count()) };
        for (const MapEntry& map : customArchiveMaps(archive, u"a.pk3"_s))
            lines << map.line();
        return lines.join(u'|');
    } catch (const FortwrightError& error) {
        return u"error %1"_s.arg(error.number());
    }
}

QByteArray withComment(QByteArray archive, const QByteArray& comment)
{
    archive[archive.size() - 2] = char(comment.size());
    return archive + comment;
}

} // namespace

TEST(Pk3Archive, AnythingThatIsNoArchiveIsFileNotFound)
{
    test::TestContext t;
    const QString path = t.root.filePath(u"a.pk3"_s);
    test::writeZip(path, { "maps/dm/", "maps/dm/one.bsp" });
    const QByteArray bytes = test::readBytes(path);
    EXPECT_EQ(scanOf(path, ArchiveReaders::PlainFirst), u"2|a.pk3,one,one,one,ffa team round"_s);
    const QString notFound = u"error %1"_s.arg(RuntimeError::FileNotFound);
    for (const QByteArray& bad : { QByteArray(), QByteArray("a readme, not an archive"), bytes.left(4),
             bytes.left(bytes.size() / 2), bytes.left(bytes.size() - 1) }) {
        test::writeBytes(path, bad);
        EXPECT_EQ(scanOf(path, ArchiveReaders::PlainFirst), notFound) << bad.size() << " bytes";
    }
    EXPECT_EQ(scanOf(t.root.filePath(u"missing.pk3"_s), ArchiveReaders::PlainFirst), notFound);
}

TEST(Pk3Archive, ThePlainReaderAgreesWithLibzipOnEveryArchiveItReads)
{
    test::TestContext t;
    const QString made = t.root.filePath(u"made.pk3"_s);
    test::writeZip(made,
        { "maps/dm/", "maps/dm/one.bsp", "Maps/OBJ/Second.BSP ", "textures/wall.jpg", "top.bsp",
            "maps\\dm\\back.bsp", "maps/dm/x.bsp", "sound/amb.wav" });
    const QByteArray plain = test::readBytes(made);
    test::writeZip(made, { "maps/dm/café.bsp", "maps/dm/plain.bsp" });
    const QByteArray utf8 = test::readBytes(made);
    const QByteArray empty = QByteArray("PK\5\6", 4) + QByteArray(18, '\0');
    const QList<QByteArray> seeds { plain, withComment(plain, "a comment"), empty, utf8 };

    const QString path = t.root.filePath(u"a.pk3"_s);
    const auto compare = [&](const QByteArray& bytes) {
        // Removed first: rewriting a file in place makes some file systems flush it each time.
        QFile::remove(path);
        test::writeBytes(path, bytes);
        bool readPlainly = false;
        const QString fast = scanOf(path, ArchiveReaders::PlainFirst, &readPlainly);
        EXPECT_EQ(fast, scanOf(path, ArchiveReaders::GeneralOnly)) << bytes.toHex().constData();
        return readPlainly;
    };
    EXPECT_TRUE(compare(seeds[0]) && compare(seeds[1]) && compare(seeds[2]));
    EXPECT_FALSE(compare(seeds[3])) << "a name outside ASCII goes to libzip";
    EXPECT_EQ(scanOf(path, ArchiveReaders::PlainFirst).count(u'|'), 2) << "plain.bsp and café.bsp";

    // Damage of every kind, weighted towards the central directory and the bytes that decide a
    // name: each damaged archive is read alike, or refused alike.
    std::mt19937 random(20261206);
    const QByteArray telling(" \t\r\n/\\.bBsSpP\0\x7f\x80\x85\xa0PK\1\2\5\6\7\xff", 27);
    int plainlyRead = 0;
    const int rounds = 2500;
    for (int round = 0; round < rounds; ++round) {
        QByteArray bytes = seeds[round % 3];
        const auto at
            = [&](qsizetype from) { return from + qsizetype(random() % quint32(bytes.size() - from)); };
        const auto value = [&] { return random() % 2 ? telling[random() % telling.size()] : char(random()); };
        switch (random() % 5) {
        case 0:
            for (int n = 1 + random() % 3; n > 0; --n)
                bytes[at(bytes.size() * 2 / 3)] = value();
            break;
        case 1:
            bytes[at(0)] = value();
            break;
        case 2:
            bytes.truncate(at(0));
            break;
        case 3:
            bytes.append(QByteArray(1 + random() % 24, value()));
            break;
        default:
            bytes.insert(at(0), random() % 2 ? QByteArray("PK\5\6", 4) : QByteArray("PK\6\7", 4));
        }
        plainlyRead += compare(bytes);
    }
    EXPECT_GT(plainlyRead, rounds / 10) << "the plain reader should read most lightly damaged archives";
}

TEST(Pk3Archive, CachingTheTimeZoneNamesTheSystemZoneOnlyWhenNoneIsSet)
{
    const bool wasSet = qEnvironmentVariableIsSet("TZ");
    const QByteArray saved = qgetenv("TZ");
    qunsetenv("TZ");
    const QByteArray systemZone = QTimeZone::systemTimeZoneId();
    const int offset = QDateTime::fromSecsSinceEpoch(1700000000).offsetFromUtc();

    Pk3Archive::cacheLocalTimeZone();
    EXPECT_EQ(qgetenv("TZ"), QFileInfo::exists(u"/etc/localtime"_s) ? ":/etc/localtime" : "");
    EXPECT_EQ(QTimeZone::systemTimeZoneId(), systemZone) << "the same zone, only read once";
    EXPECT_EQ(QDateTime::fromSecsSinceEpoch(1700000000).offsetFromUtc(), offset);
    qputenv("TZ", "America/New_York");
    Pk3Archive::cacheLocalTimeZone();
    EXPECT_EQ(qgetenv("TZ"), "America/New_York") << "a zone the user chose stays";

    wasSet ? qputenv("TZ", saved) : qunsetenv("TZ");
}
