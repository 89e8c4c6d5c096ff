#include "support/CAppSettings.h"
#include "support/FortwrightError.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
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

std::optional<FortwrightError> raised(const std::function<void()>& call)
{
    return test::raisedBy(call);
}

} // namespace

TEST_F(SettingsFixture, RefusedNamesAndRootsChangeNothing)
{
    CAppSettings fresh(store);
    EXPECT_EQ(fresh.RootKey(), RegistryRoot::LocalMachine);
    EXPECT_EQ(fresh.MainBranch(), QStringLiteral("Software"));

    auto e = raised([&] { fresh.Init(QString(), QStringLiteral("App")); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), AppSettingsError::InvalidCompanyName);
    EXPECT_EQ(e->source(), QStringLiteral("Fortwright.CAppSettings"));
    EXPECT_EQ(fresh.CompanyName(), QStringLiteral("MyCompany"));
    EXPECT_EQ(fresh.AppName(), QStringLiteral("MyApplication"));

    e = raised([&] { fresh.Init(QStringLiteral("Co"), QString()); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), AppSettingsError::InvalidAppName);
    EXPECT_EQ(fresh.CompanyName(), QStringLiteral("Co")) << "the company is kept before the name is checked";
    EXPECT_EQ(fresh.AppName(), QStringLiteral("MyApplication"));

    EXPECT_EQ(raised([&] { fresh.setMainBranch(QString()); })->number(), AppSettingsError::InvalidMainBranch);
    e = raised([&] { fresh.setRootKey(RegistryRoot::Users); });
    EXPECT_EQ(e->number(), AppSettingsError::InvalidRootKey);
    EXPECT_EQ(e->description(), QStringLiteral("Invalid root key value"));
    EXPECT_EQ(fresh.RootKey(), RegistryRoot::LocalMachine);
    fresh.setRootKey(RegistryRoot::CurrentUser);
    EXPECT_EQ(fresh.RootKey(), RegistryRoot::CurrentUser);
}

TEST_F(SettingsFixture, ValuesKeepTheirKindThroughTheStore)
{
    EXPECT_EQ(settings.GetSetting(section, QStringLiteral("MOHAA"), QStringLiteral("none")),
        QStringLiteral("none"));
    EXPECT_FALSE(QFileInfo::exists(store)) << "a read creates nothing";

    settings.SaveSetting(section, QStringLiteral("MOHAA"), QStringLiteral("/games/mohaa"));
    settings.SaveSetting(section, QStringLiteral("FirstTime"), QStringLiteral("1"));
    settings.SaveSetting(section, QStringLiteral("left"), 1234.6);
    settings.SaveSetting(section, QStringLiteral("top"), 2.5);
    settings.SaveSetting(section, QStringLiteral("big"), qint64(-2147483648LL));
    settings.SaveSetting(section, QStringLiteral("flag"), true);
    settings.SaveSetting(section, QStringLiteral("day"), QDate(2026, 12, 5));

    CAppSettings reopened(store);
    reopened.Init(QStringLiteral("_DezeveRovorare"), QStringLiteral("Fortwright"));
    const QVariant first = reopened.GetSetting(section, QStringLiteral("firsttime"));
    EXPECT_EQ(first.typeId(), QMetaType::QString);
    EXPECT_EQ(first.toString(), QStringLiteral("1"));
    const QVariant left = reopened.GetSetting(section, QStringLiteral("left"));
    EXPECT_EQ(left.typeId(), QMetaType::Int);
    EXPECT_EQ(left.toInt(), 1235);
    EXPECT_EQ(reopened.GetSetting(section, QStringLiteral("top")).toInt(), 2)
        << "halves go to the even number";
    EXPECT_EQ(reopened.GetSetting(section, QStringLiteral("big")).toInt(), -2147483647 - 1);
    EXPECT_EQ(reopened.GetSetting(section, QStringLiteral("flag")), QVariant(QStringLiteral("True")));
    EXPECT_EQ(reopened.GetSetting(section, QStringLiteral("day")).toString(),
        QLocale::system().toString(QDate(2026, 12, 5), QLocale::ShortFormat));

    reopened.SaveSetting(section, QStringLiteral("LEFT"), 10);
    QStringList keys { QStringLiteral("stale") };
    reopened.GetAllKeys(section, keys);
    EXPECT_EQ(keys,
        (QStringList { QStringLiteral("MOHAA"), QStringLiteral("FirstTime"), QStringLiteral("left"),
            QStringLiteral("top"), QStringLiteral("big"), QStringLiteral("flag"), QStringLiteral("day") }))
        << "a replaced value keeps its place and its first spelling";

    const QString fullKey = QStringLiteral("Software\\_DezeveRovorare\\Fortwright\\Fortwright");
    EXPECT_EQ(settings.ReadRegistryValue(RegistryRoot::LocalMachine, fullKey, QStringLiteral("MOHAA")),
        QStringLiteral("/games/mohaa") + QChar(u'\0'));
    EXPECT_EQ(settings.ReadRegistryValue(RegistryRoot::LocalMachine, fullKey, QStringLiteral("left")),
        QStringLiteral("10"));
    EXPECT_EQ(
        settings.ReadRegistryValue(RegistryRoot::CurrentUser, fullKey, QStringLiteral("MOHAA")), QString());
    EXPECT_EQ(settings.ReadRegistryValue(RegistryRoot::LocalMachine,
                  QStringLiteral("SOFTWARE\\Id\\Medal of Honor"), QStringLiteral("INSTALLPATH")),
        QString());
    QVariant value = 5;
    EXPECT_NE(settings.QueryRegistryValue(settings.OpenRegistryKey(RegistryRoot::LocalMachine, fullKey),
                  QStringLiteral("nothing"), value),
        0);
    EXPECT_FALSE(value.isValid());

    for (const QVariant& refused : { QVariant(), QVariant(3.0e9), QVariant(QByteArray("raw")) }) {
        const auto e = raised([&] { settings.SaveSetting(section, QStringLiteral("x"), refused); });
        ASSERT_TRUE(e);
        EXPECT_EQ(e->number(), AppSettingsError::ComponentFailure);
    }
}

TEST_F(SettingsFixture, ListingAndDeletingMissingKeysFail)
{
    QStringList keys { QStringLiteral("stale") };
    auto e = raised([&] { settings.GetAllKeys(QStringLiteral("none"), keys); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), AppSettingsError::GetAllKeysFailed);
    EXPECT_EQ(e->source(), QStringLiteral("Fortwright.CAppSetting"));
    EXPECT_TRUE(keys.isEmpty());

    e = raised([&] { settings.DeleteSetting(QStringLiteral("none")); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), AppSettingsError::DeleteFailed);
    EXPECT_TRUE(e->description().startsWith(QStringLiteral("Failed deleting the application setting")));

    settings.SaveSetting(QStringLiteral("Outer"), QStringLiteral("a"), 1);
    settings.SaveSetting(QStringLiteral("Outer\\Inner"), QStringLiteral("b"), 2);
    EXPECT_EQ(raised([&] { settings.DeleteSetting(QStringLiteral("Outer")); })->number(),
        AppSettingsError::DeleteFailed)
        << "a key with subkeys stays";
    settings.DeleteSetting(QStringLiteral("outer"), QStringLiteral("INNER"));
    EXPECT_EQ(settings.GetSetting(QStringLiteral("Outer\\Inner"), QStringLiteral("b"), -1).toInt(), -1);
    EXPECT_EQ(settings.GetSetting(QStringLiteral("Outer"), QStringLiteral("a")).toInt(), 1);
    settings.DeleteSetting(QStringLiteral("Outer"));
    EXPECT_EQ(raised([&] { settings.GetAllKeys(QStringLiteral("Outer"), keys); })->number(),
        AppSettingsError::GetAllKeysFailed);
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
        const auto e
            = raised([&] { settings.SaveSetting(section, QStringLiteral("MOHAA"), QStringLiteral("/new")); });
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
    const auto e = raised([&] { blocked.SaveSetting(section, QStringLiteral("k"), 1); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), AppSettingsError::SaveFailed);
    EXPECT_TRUE(e->description().contains(QStringLiteral("could not be written")));
}
