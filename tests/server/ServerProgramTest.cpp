#include "server/hosting/ServerProgram.h"
#include "generate/LaunchValues.h"
#include "profile/ServerProfile.h"
#include "server/hosting/HostCommand.h"
#include "support/text/ShellWord.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFile>

namespace {

// A file in the game folder; "x" marks it executable, "MZ" makes it a Windows program.
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
    struct Case {
        QList<std::pair<QString, bool>> files; // name, executable
        QString chosen;
        bool wine;
    };
    const QList<Case> cases {
        { {}, {}, false },
        { { { u"MOHAA_server.exe"_s, false } }, u"MOHAA_server.exe"_s, false },
        { { { u"MOHAA_server.exe"_s, true }, { u"omohaaded"_s, false }, { u"mohaa_lnxded"_s, true } },
            u"mohaa_lnxded"_s, false },
        { { { u"mohaa_lnxded"_s, true }, { arch, true } }, arch, false },
        { { { u"omohaaded"_s, true }, { arch, true } }, u"omohaaded"_s, false },
    };
    for (const Case& c : cases) {
        test::TestContext t;
        const QString game = t.context.gamePath;
        for (const auto& [name, executable] : c.files)
            place(game, name, "#!/bin/sh\n", executable);
        const ServerProgram program = chooseServerProgram(game, QString());
        EXPECT_EQ(program.path, c.chosen.isEmpty() ? QString() : game + u'/' + c.chosen)
            << c.chosen.toStdString();
        EXPECT_EQ(program.throughWine, c.wine);
        EXPECT_FALSE(program.chosenByUser);
    }

    test::TestContext t;
    const QString game = t.context.gamePath;
    QDir(game).mkdir(u"omohaaded"_s); // a folder is no program
    place(game, u"MOHAA_server.exe"_s, "MZ\x90", false);
    ServerProgram program = chooseServerProgram(game, game + u"/gone"_s);
    EXPECT_EQ(program.path, game + u"/MOHAA_server.exe"_s) << "a stored choice that is gone is ignored";
    EXPECT_TRUE(program.throughWine);
    place(game, u"mine"_s, "#!/bin/sh\n", true);
    program = chooseServerProgram(game, game + u"/mine"_s);
    EXPECT_TRUE(program.chosenByUser);
    EXPECT_FALSE(program.throughWine);
}

TEST(ServerProgram, TheCommandIsTheLaunchLineWithTheWrittenNameForANativeServer)
{
    test::TestContext t;
    const QString game = t.context.gamePath + u"/my game"_s;
    QDir().mkpath(game);
    place(game, u"omohaaded"_s, "#!/bin/sh\n", true);
    place(game, u"MOHAA_server.exe"_s, "MZ\x90", false);
    ServerProfile profile;
    const LaunchValues values = gatherLaunchValues(profile);
    const QString args = u"+set dedicated 2 +set net_port 12203 +set sv_pure 1 +set vm_game 0 "
                         "+set com_hunkmegs 56 +set com_zonemegs 16 +set g_gametype 1 +exec "_s;

    const auto native = hostCommand(values, profile, u"My_Test.cfg"_s, game, chooseServerProgram(game, {}));
    ASSERT_TRUE(native);
    EXPECT_EQ(native->program, game + u"/omohaaded"_s);
    EXPECT_EQ(native->arguments, (args + u"my_test.cfg"_s).split(u' '));
    EXPECT_EQ(native->workingDir, game);
    EXPECT_TRUE(native->native);
    EXPECT_EQ(native->displayText(), u"'"_s + game + u"/omohaaded' "_s + args + u"my_test.cfg"_s);

    ServerProgram windows { game + u"/MOHAA_server.exe"_s, true, true };
    const auto wine = hostCommand(values, profile, u"My_Test.cfg"_s, game, windows);
    ASSERT_TRUE(wine);
    EXPECT_TRUE(wine->program.endsWith(u"wine"_s));
    EXPECT_EQ(wine->arguments, QStringList(windows.path) + (args + u"My_Test.cfg"_s).split(u' '))
        << "the documented case is kept for MOHAA_server.exe";
    EXPECT_FALSE(wine->native);

    profile.clearSelection(SettingGroup::optServerType);
    EXPECT_FALSE(hostCommand(values, profile, u"x.cfg"_s, game, windows));

    const QList<std::pair<QString, QString>> words { { u"+set"_s, u"+set"_s }, { u"a b"_s, u"'a b'"_s },
        { QString(), u"''"_s }, { u"it's"_s, u"'it'\\''s'"_s }, { u"$HOME"_s, u"'$HOME'"_s } };
    for (const auto& [word, quoted] : words)
        EXPECT_EQ(shellWord(word), quoted);
}
