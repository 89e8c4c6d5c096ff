#include "support/CAppSettings.h"
#include "support/FortwrightError.h"
#include "support/RegistryStore.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace fw;

namespace {

struct SettingsFixture : ::testing::Test {
    QTemporaryDir dir;
    QString store = dir.filePath(QStringLiteral("config/registry.json"));
    CAppSettings settings { store };
    const QString section = QStringLiteral("Fortwright");

    SettingsFixture() { settings.Init(QStringLiteral("_DezeveRovorare"), QStringLiteral("Fortwright")); }
};

} // namespace

TEST_F(SettingsFixture, EachDocumentedErrorNumber)
{
    CAppSettings fresh(store);
    QStringList keys;
    test::expectNumbers(QStringLiteral("Fortwright.CAppSettings"),
        {
            { [&] { fresh.Init(QString(), QStringLiteral("App")); }, AppSettingsError::InvalidCompanyName,
                "Invalid CompanyName value" },
            { [&] { fresh.Init(QStringLiteral("Co"), QString()); }, AppSettingsError::InvalidAppName,
                "Invalid AppName value" },
            { [&] { fresh.setMainBranch(QString()); }, AppSettingsError::InvalidMainBranch,
                "Invalid MainBranch value" },
            { [&] { fresh.setRootKey(RegistryRoot::Users); }, AppSettingsError::InvalidRootKey,
                "Invalid root key value" },
            { [&] { settings.SaveSetting(section, QStringLiteral("x"), QVariant(3.0e9)); },
                AppSettingsError::ComponentFailure, "CAppSettings component failure" },
        });
    test::expectNumbers(QStringLiteral("Fortwright.CAppSetting"),
        {
            { [&] { settings.GetAllKeys(QStringLiteral("none"), keys); }, AppSettingsError::GetAllKeysFailed,
                "Failed getting all the application keys" },
            { [&] { settings.DeleteSetting(QStringLiteral("none")); }, AppSettingsError::DeleteFailed,
                "Failed deleting the application setting" },
        });
}

TEST_F(SettingsFixture, AnUnreadableStoreIsSetAsideNeverOverwrittenUnseen)
{
    const QList<QByteArray> broken { QByteArray("{\"format\": \"Fortwright registry\", \"version\": 1, \"ke"),
        QByteArray("[Fortwright]\r\nMOHAA=/games\r\n"),
        QByteArray("{\"format\": \"Fortwright registry\", \"version\": 1, \"keys\": [{\"name\": 5}]}") };
    for (const QByteArray& bytes : broken) {
        QDir().mkpath(QFileInfo(store).path());
        QFile::remove(store);
        QFile::remove(store + QStringLiteral(".corrupt"));
        test::writeBytes(store, bytes);

        EXPECT_EQ(settings.GetSetting(section, QStringLiteral("MOHAA"), QStringLiteral("def")),
            QStringLiteral("def"));
        const auto e = test::raisedBy(
            [&] { settings.SaveSetting(section, QStringLiteral("MOHAA"), QStringLiteral("/new")); });
        ASSERT_TRUE(e);
        EXPECT_EQ(e->number(), AppSettingsError::SaveFailed);
        EXPECT_TRUE(e->description().contains(QDir::toNativeSeparators(store)))
            << e->description().toStdString();
        EXPECT_EQ(test::readBytes(store + QStringLiteral(".corrupt")), bytes);
        EXPECT_FALSE(QFileInfo::exists(store));

        settings.SaveSetting(section, QStringLiteral("MOHAA"), QStringLiteral("/new"));
        EXPECT_EQ(settings.GetSetting(section, QStringLiteral("MOHAA")), QVariant(QStringLiteral("/new")));
    }

    CAppSettings blocked(dir.filePath(QStringLiteral("config/registry.json.corrupt/registry.json")));
    const auto e = test::raisedBy([&] { blocked.SaveSetting(section, QStringLiteral("k"), 1); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), AppSettingsError::SaveFailed);
    EXPECT_TRUE(e->description().contains(QStringLiteral("could not be written")));
}
