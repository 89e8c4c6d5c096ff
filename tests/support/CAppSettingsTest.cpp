#include "support/settings/CAppSettings.h"
#include "support/errors/FortwrightError.h"
#include "support/settings/RegistryStore.h"
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

TEST_F(SettingsFixture, TextsAndWindowPositionsKeepTheirPlaceAndKind)
{
    settings.SaveSetting(section, QStringLiteral("FirstTime"), QStringLiteral("1"));
    settings.SaveSetting(section, QStringLiteral("left"), 1234.6);
    settings.SaveSetting(section, QStringLiteral("top"), 2.5);

    CAppSettings reopened(store);
    reopened.Init(QStringLiteral("_DezeveRovorare"), QStringLiteral("Fortwright"));
    const QVariant first = reopened.GetSetting(section, QStringLiteral("firsttime"));
    EXPECT_EQ(first.typeId(), QMetaType::QString);
    EXPECT_EQ(first.toString(), QStringLiteral("1"));
    EXPECT_EQ(reopened.GetSetting(section, QStringLiteral("top")).toInt(), 2)
        << "halves go to the even number";

    reopened.SaveSetting(section, QStringLiteral("LEFT"), 10.0);
    const auto values = openRegistryStore(store)->values(
        RegistryRoot::LocalMachine, QStringLiteral("Software\\_DezeveRovorare\\Fortwright\\Fortwright"));
    ASSERT_TRUE(values);
    ASSERT_EQ(values->size(), 3);
    EXPECT_EQ((*values)[1].name, QStringLiteral("left"))
        << "a replaced value keeps its place and first spelling";
    EXPECT_EQ((*values)[1].value, RegistryValue::dword(10));
    reopened.SaveSetting(section, QStringLiteral("width"), 2147483647.0);
    EXPECT_EQ(reopened.GetSetting(section, QStringLiteral("width")).toInt(), 2147483647)
        << "the largest a value holds";
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
