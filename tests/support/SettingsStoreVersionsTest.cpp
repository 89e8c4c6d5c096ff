#include "support/errors/FortwrightError.h"
#include "support/settings/CAppSettings.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace fw;

namespace {

// A store holding, beside the game folder, what this version does not read: a member of the file,
// a member of a key and a value of another kind.
QByteArray storeOfVersion(const QByteArray& versionMember)
{
    return R"({"format": "Fortwright registry", )" + versionMember + R"( "note": {"by": "hand"},
"keys": [{"name": "HKEY_LOCAL_MACHINE", "values": [], "keys": [{"name": "Software", "values": [], "keys": [
 {"name": "_DezeveRovorare", "values": [], "keys": [{"name": "Fortwright", "values": [], "keys": [
  {"name": "Fortwright", "colour": "blue", "keys": [], "values": [
   {"name": "MOHAA", "string": "/games/mohaa"}, {"name": "wide", "qword": 5}]}]}]}]}]}]})";
}

} // namespace

TEST(SettingsStoreVersions, EveryVersionIsReadAnOlderOneMovesForwardAndANewerOneIsNeverWritten)
{
    const struct {
        QByteArray versionMember;
        bool newer;
    } rows[] = {
        { "", false }, // before the file carried a version: version 0
        { R"("version": 0,)", false },
        { R"("version": 1,)", false },
        { R"("version": 2,)", true },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.versionMember.toStdString());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registry.json"));
        const QByteArray original = storeOfVersion(row.versionMember);
        test::writeBytes(path, original);
        CAppSettings settings(path);
        settings.Init(QStringLiteral("_DezeveRovorare"), QStringLiteral("Fortwright"));
        const QString section = QStringLiteral("Fortwright");
        EXPECT_EQ(
            settings.GetSetting(section, QStringLiteral("MOHAA")), QVariant(QStringLiteral("/games/mohaa")));

        const auto e = test::raisedBy([&] { settings.SaveSetting(section, QStringLiteral("left"), 10); });
        if (row.newer) {
            ASSERT_TRUE(e);
            EXPECT_EQ(e->number(), AppSettingsError::SaveFailed);
            EXPECT_EQ(e->description(),
                QStringLiteral(
                    "Failed saving the application setting: The settings file %1 is of version 2, from "
                    "a newer Fortwright; this one writes version 1, so it reads the file but leaves it "
                    "unwritten, and the change is not kept")
                    .arg(QDir::toNativeSeparators(path)));
            EXPECT_EQ(test::readBytes(path), original);
            EXPECT_EQ(
                QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("registry.json") });
            continue;
        }
        ASSERT_FALSE(e) << e->description().toStdString();
        EXPECT_EQ(settings.GetSetting(section, QStringLiteral("left")), QVariant(10));
        EXPECT_EQ(
            settings.GetSetting(section, QStringLiteral("MOHAA")), QVariant(QStringLiteral("/games/mohaa")));
        const QJsonObject saved = QJsonDocument::fromJson(test::readBytes(path)).object();
        EXPECT_EQ(saved.value(u"version"), QJsonValue(1));
        EXPECT_EQ(saved.value(u"note"), QJsonDocument::fromJson(R"({"by": "hand"})").object());
        QJsonValue key = saved;
        for (int depth = 0; depth < 5; ++depth)
            key = key.toObject().value(u"keys").toArray().first();
        EXPECT_EQ(key.toObject().value(u"colour"), QJsonValue(QStringLiteral("blue")));
        EXPECT_EQ(key.toObject().value(u"values").toArray().at(1),
            QJsonDocument::fromJson(R"({"name": "wide", "qword": 5})").object());
    }
}
