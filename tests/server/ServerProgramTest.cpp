#include "server/hosting/ServerProgram.h"
#include "generate/LaunchValues.h"
#include "profile/ServerProfile.h"
#include "server/hosting/HostCommand.h"
#include "support/text/ShellWord.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFile>

namespace {

// A file in the game folder, made executable when asked.
void place(const QString& game, const QString& name, const QByteArray& bytes, bool executable)
{
    const QString path = game + u'/' + name;
    test::writeBytes(path, bytes);
    if (executable)
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
}

} // namespace

TEST(ServerProgram, TheFirstExecutableNativeServerWinsElseTheWindowsOne)
{
    const QString arch = nativeServerNames()[1];
    ASSERT_TRUE(arch.startsWith(u"omohaaded."_s) && arch.size() > 10);
    // The files (name, executable), the stored choice, then what is chosen, through wine, by the user.
    const std::tuple<QList<std::pair<QString, bool>>, QString, QString, bool, bool> cases[] = {
        { {}, {}, {}, false, false },
        { { { u"MOHAA_server.exe"_s, false } }, {}, u"MOHAA_server.exe"_s, true, false },
        { { { u"MOHAA_server.exe"_s, true }, { u"omohaaded"_s, false }, { u"mohaa_lnxded"_s, true } }, {},
            u"mohaa_lnxded"_s, false, false },
        { { { u"mohaa_lnxded"_s, true }, { arch, true } }, {}, arch, false, false },
        { { { u"omohaaded"_s, true }, { arch, true } }, {}, u"omohaaded"_s, false, false },
        { { { u"MOHAA_server.exe"_s, false } }, u"gone"_s, u"MOHAA_server.exe"_s, true, false },
        { { { u"omohaaded"_s, true }, { u"mine"_s, true } }, u"mine"_s, u"mine"_s, false, true },
    };
    for (const auto& [files, stored, chosen, wine, byUser] : cases) {
        test::TestContext t;
        const QString game = t.context.gamePath;
        QDir(game).mkdir(u"omohaaded"_s); // a folder is no program
        for (const auto& [name, executable] : files) {
            QDir(game).rmdir(name);
            place(game, name, name.endsWith(u".exe"_s) ? "MZ\x90" : "#!/bin/sh\n", executable);
        }
        const ServerProgram program
            = chooseServerProgram(game, stored.isEmpty() ? QString() : game + u'/' + stored);
        EXPECT_EQ(program.path, chosen.isEmpty() ? QString() : game + u'/' + chosen) << chosen.toStdString();
        EXPECT_EQ(std::pair(program.throughWine, program.chosenByUser), std::pair(wine, byUser))
            << chosen.toStdString();
    }
}

TEST(ServerProgram, TheCommandIsTheLaunchLineWithTheWrittenNameForANativeServer)
{
    test::TestContext t;
    const QString game = t.context.gamePath + u"/my game"_s;
    QDir().mkpath(game);
    place(game, u"omohaaded"_s, "#!/bin/sh\n", true);
    ServerProfile profile;
    const LaunchValues values = gatherLaunchValues(profile);
    const QString args = u"+set dedicated 2 +set net_port 12203 +set sv_pure 1 +set vm_game 0 "
                         "+set com_hunkmegs 56 +set com_zonemegs 16 +set g_gametype 1 +exec "_s;

    const auto native = hostCommand(values, profile, u"My_Test.cfg"_s, game, chooseServerProgram(game, {}));
    ASSERT_TRUE(native);
    EXPECT_EQ(native->arguments, (args + u"my_test.cfg"_s).split(u' '));
    EXPECT_EQ(native->workingDir, game);
    EXPECT_EQ(native->displayText(), u"'"_s + game + u"/omohaaded' "_s + args + u"my_test.cfg"_s);

    profile.clearSelection(SettingGroup::optServerType);
    EXPECT_FALSE(hostCommand(values, profile, u"x.cfg"_s, game, chooseServerProgram(game, {})));

    const QList<std::pair<QString, QString>> words { { u"+set"_s, u"+set"_s }, { u"a b"_s, u"'a b'"_s },
        { QString(), u"''"_s }, { u"it's"_s, u"'it'\\''s'"_s }, { u"$HOME"_s, u"'$HOME'"_s } };
    for (const auto& [word, quoted] : words)
        EXPECT_EQ(shellWord(word), quoted);
}
