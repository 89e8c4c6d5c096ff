#include "support/errors/FortwrightError.h"
#include "support/settings/CAppSettings.h"
#include "testkit/FolderSnapshot.h"
#include "testkit/Raised.h"
#include "testkit/TestContext.h"
#include "testkit/TestData.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

TEST(SettingsStoreVersions, EveryVersionIsReadAnOlderOneMovesForwardAndANewerOneIsNeverWritten)
{
    // The file's version member, and whether that version is newer than the program's.
    const std::pair<QByteArray, bool> rows[] = {
        { "", false }, // before the file carried a version: version 0
        { R"("version": 0,)", false },
        { R"("version": 1,)", false },
        { R"("version": 2,)", true },
    };
    for (const auto& [versionMember, newer] : rows) {
        SCOPED_TRACE(versionMember.toStdString());
        QTemporaryDir dir;
        const QString path = dir.filePath(u"registry.json"_s);
        // Beside the game folder, what this version does not read: a member of the file, a member
        // of a key and a value of another kind.
        const QByteArray original
            = test::testData(u"registry-unread-members.json.in"_s).replace("VERSION", versionMember);
        test::writeBytes(path, original);
        CAppSettings settings(path);
        settings.Init(u"_DezeveRovorare"_s, u"Fortwright"_s);
        const QString section = u"Fortwright"_s;
        const QVariant game(u"/games/mohaa"_s);
        EXPECT_EQ(settings.GetSetting(section, u"MOHAA"_s), game);

        const auto e = test::raisedBy([&] { settings.SaveSetting(section, u"left"_s, 10); });
        if (newer) {
            ASSERT_TRUE(e);
            EXPECT_EQ(e->number(), AppSettingsError::SaveFailed);
            EXPECT_EQ(e->description(),
                u"Failed saving the application setting: The settings file %1 is of version 2, from a newer "
                "Fortwright; this one writes version 1, so it reads the file but leaves it unwritten, and "
                "the change is not kept"_s.arg(QDir::toNativeSeparators(path)));
            EXPECT_EQ(
                test::snapshotFolder(dir.path()), test::FolderSnapshot({ { u"registry.json"_s, original } }));
            continue;
        }
        ASSERT_FALSE(e) << e->description().toStdString();
        EXPECT_EQ(settings.GetSetting(section, u"left"_s), QVariant(10));
        EXPECT_EQ(settings.GetSetting(section, u"MOHAA"_s), game);
        const QJsonObject saved = QJsonDocument::fromJson(test::readBytes(path)).object();
        EXPECT_EQ(saved.value(u"version"), QJsonValue(1));
        EXPECT_EQ(saved.value(u"note"), QJsonDocument::fromJson(R"({"by": "hand"})").object());
        QJsonValue key = saved;
        for (int depth = 0; depth < 5; ++depth)
            key = key.toObject().value(u"keys").toArray().first();
        EXPECT_EQ(key.toObject().value(u"colour"), QJsonValue(u"blue"_s));
        EXPECT_EQ(key.toObject().value(u"values").toArray().at(1),
            QJsonDocument::fromJson(R"({"name": "wide", "qword": 5})").object());
    }
}
