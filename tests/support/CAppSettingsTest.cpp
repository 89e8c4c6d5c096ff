#include "support/settings/CAppSettings.h"
#include "support/errors/FortwrightError.h"
#include "support/settings/RegistryStore.h"
#include "testkit/Raised.h"
#include "testkit/RegistryRows.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

namespace {

struct SettingsFixture : ::testing::Test {
    QTemporaryDir dir;
    QString store = dir.filePath(u"config/registry.json"_s);
    CAppSettings settings { store };
    const QString section = u"Fortwright"_s;

    SettingsFixture() { settings.Init(u"_DezeveRovorare"_s, u"Fortwright"_s); }
};

} // namespace

TEST_F(SettingsFixture, EachDocumentedErrorNumber)
{
    CAppSettings fresh(store);
    QStringList keys;
    test::expectNumbers(u"Fortwright.CAppSettings"_s,
        {
            { [&] { fresh.Init(QString(), u"App"_s); }, AppSettingsError::InvalidCompanyName,
                "Invalid CompanyName value" },
            { [&] { fresh.Init(u"Co"_s, QString()); }, AppSettingsError::InvalidAppName,
                "Invalid AppName value" },
            { [&] { fresh.setMainBranch(QString()); }, AppSettingsError::InvalidMainBranch,
                "Invalid MainBranch value" },
            { [&] { fresh.setRootKey(RegistryRoot::Users); }, AppSettingsError::InvalidRootKey,
                "Invalid root key value" },
            { [&] { settings.SaveSetting(section, u"x"_s, QVariant(3.0e9)); },
                AppSettingsError::ComponentFailure, "CAppSettings component failure" },
        });
    test::expectNumbers(u"Fortwright.CAppSetting"_s,
        {
            { [&] { settings.GetAllKeys(u"none"_s, keys); }, AppSettingsError::GetAllKeysFailed,
                "Failed getting all the application keys" },
            { [&] { settings.DeleteSetting(u"none"_s); }, AppSettingsError::DeleteFailed,
                "Failed deleting the application setting" },
        });
}

TEST_F(SettingsFixture, TextsAndWindowPositionsKeepTheirPlaceAndKind)
{
    settings.SaveSetting(section, u"FirstTime"_s, u"1"_s);
    settings.SaveSetting(section, u"left"_s, 1234.6);
    settings.SaveSetting(section, u"top"_s, 2.5);

    CAppSettings reopened(store);
    reopened.Init(u"_DezeveRovorare"_s, u"Fortwright"_s);
    EXPECT_EQ(reopened.GetSetting(section, u"firsttime"_s), QVariant(u"1"_s)) << "a text, by any spelling";
    EXPECT_EQ(reopened.GetSetting(section, u"top"_s).toInt(), 2) << "halves go to the even number";

    reopened.SaveSetting(section, u"LEFT"_s, 10.0);
    const auto values = openRegistryStore(store)->values(
        RegistryRoot::LocalMachine, u"Software\\_DezeveRovorare\\Fortwright\\Fortwright"_s);
    ASSERT_TRUE(values);
    EXPECT_EQ(*values,
        QList<NamedRegistryValue>({ { u"FirstTime"_s, RegistryValue::string(u"1"_s) },
            { u"left"_s, RegistryValue::dword(10) }, { u"top"_s, RegistryValue::dword(2) } }))
        << "a replaced value keeps its place and first spelling";
    reopened.SaveSetting(section, u"width"_s, 2147483647.0);
    EXPECT_EQ(reopened.GetSetting(section, u"width"_s).toInt(), 2147483647) << "the largest a value holds";
}

TEST_F(SettingsFixture, AnUnreadableStoreIsSetAsideNeverOverwrittenUnseen)
{
    const QList<QByteArray> broken { QByteArray("{\"format\": \"Fortwright registry\", \"version\": 1, \"ke"),
        QByteArray("[Fortwright]\r\nMOHAA=/games\r\n"),
        QByteArray("{\"format\": \"Fortwright registry\", \"version\": 1, \"keys\": [{\"name\": 5}]}") };
    for (const QByteArray& bytes : broken) {
        QDir().mkpath(QFileInfo(store).path());
        QFile::remove(store);
        QFile::remove(store + u".corrupt"_s);
        test::writeBytes(store, bytes);

        EXPECT_EQ(settings.GetSetting(section, u"MOHAA"_s, u"def"_s), u"def"_s);
        const auto e = test::raisedBy([&] { settings.SaveSetting(section, u"MOHAA"_s, u"/new"_s); });
        ASSERT_TRUE(e);
        EXPECT_EQ(e->number(), AppSettingsError::SaveFailed);
        EXPECT_TRUE(e->description().contains(QDir::toNativeSeparators(store)))
            << e->description().toStdString();
        EXPECT_EQ(test::readBytes(store + u".corrupt"_s), bytes);
        EXPECT_FALSE(QFileInfo::exists(store));

        settings.SaveSetting(section, u"MOHAA"_s, u"/new"_s);
        EXPECT_EQ(settings.GetSetting(section, u"MOHAA"_s), QVariant(u"/new"_s));
    }

    CAppSettings blocked(dir.filePath(u"config/registry.json.corrupt/registry.json"_s));
    const auto e = test::raisedBy([&] { blocked.SaveSetting(section, u"k"_s, 1); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), AppSettingsError::SaveFailed);
    EXPECT_TRUE(e->description().contains(u"could not be written"_s));
}
