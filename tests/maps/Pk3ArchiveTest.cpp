#include "maps/Pk3Archive.h"
#include "support/FortwrightError.h"
#include "testkit/QtPrinters.h"
#include "testkit/TestContext.h"
#include "testkit/ZipFixture.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimeZone>
#include <gtest/gtest.h>

using namespace fw;

TEST(Pk3Entry, FolderIsLowerCaseWithBackslashesAndBothPartsAreTrimmed)
{
    const auto split = [](const char* path) {
        const Pk3Entry entry = Pk3Entry::fromPath(QString::fromUtf8(path));
        return entry.folder + QLatin1Char('|') + entry.fileName;
    };
    EXPECT_EQ(split("Maps/DM/MyMap.BSP"), QStringLiteral("maps\\dm\\|MyMap.BSP"));
    EXPECT_EQ(split(" maps/dm/  spaced.bsp "), QStringLiteral("maps\\dm\\|spaced.bsp"));
    EXPECT_EQ(split("top.bsp"), QStringLiteral("|top.bsp"));
    EXPECT_EQ(split("maps/dm/"), QStringLiteral("maps\\dm\\|"));
}

TEST(Pk3Archive, AnythingThatIsNoArchiveIsFileNotFound)
{
    test::TestContext t;
    const QString good = t.root.filePath(QStringLiteral("good.pk3"));
    test::writeZip(good, { "maps/dm/", "maps/dm/one.bsp" });
    const QByteArray bytes = test::readBytes(good);
    const auto errorFor = [&](const QByteArray& content) {
        const QString path = t.root.filePath(QStringLiteral("bad.pk3"));
        test::writeBytes(path, content);
        try {
            const Pk3Archive archive(path);
            return archive.count() == 2 ? 0 : -1;
        } catch (const FortwrightError& error) {
            return error.number();
        }
    };
    EXPECT_EQ(errorFor(bytes), 0);
    for (const QByteArray& bad : { QByteArray(), QByteArray("a readme, not an archive"), bytes.left(4),
             bytes.left(bytes.size() / 2), bytes.left(bytes.size() - 1) })
        EXPECT_EQ(errorFor(bad), RuntimeError::FileNotFound) << bad.size() << " bytes";
    EXPECT_THROW(Pk3Archive(t.root.filePath(QStringLiteral("missing.pk3"))), FortwrightError);
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

    wasSet ? qputenv("TZ", saved) : qunsetenv("TZ");
}
