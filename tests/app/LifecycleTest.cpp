#include "WindowFixture.h"
#include "app/FortwrightApp.h"
#include "app/FrmMain.h"
#include "app/MapsPage.h"
#include "profile/AppState.h"
#include "profile/ListFiles.h"
#include "testkit/ZipFixture.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

// A whole program over a temporary data folder, settings store and game folder.
class LifecycleTest : public test::WindowFixture {
protected:
    void SetUp() override
    {
        game = t.context.gamePath;
        test::writeBytes(game + u"/MOHAA_server.exe"_s, "#!/bin/sh\n");
        test::writeZip(t.mainFile(u"custom.pk3"_s), { "maps/dm/bunker.bsp", "maps/obj/bridge.bsp" });
    }

    std::unique_ptr<FortwrightApp> start(const QString& gameOverride)
    {
        return std::make_unique<FortwrightApp>(
            SessionFolders { t.context.dataDir, t.context.settingsStorePath }, gameOverride, &t.prompter,
            &t.services);
    }

    QString game;
};

} // namespace

TEST_F(LifecycleTest, FirstStartScansOpensWithDefaultsAndExitWritesTheLists)
{
    const QString left = t.dataFile(u"Banned.dat.Xy12Zw"_s);
    test::writeAged(left, 86400);
    auto app = start(game);
    ASSERT_TRUE(app->Main());
    EXPECT_FALSE(QFileInfo::exists(left)) << "what an interrupted save left goes first";
    EXPECT_EQ(t.prompter.boxes(), test::Boxes { test::infoBox(u"Map Scan complete.        "_s) });
    AppState state(t.context.settingsStorePath);
    EXPECT_TRUE(state.firstScanDone());
    FrmMain* main = app->window();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->profile().text(G::txtAdministration, 16), u"12203"_s);
    EXPECT_EQ(main->findChild<QTableWidget*>(u"grdBanned"_s)->rowCount(), 0);
    EXPECT_EQ(main->findChild<QTableWidget*>(u"grdAdditionalCfg"_s)->rowCount(), 9);
    EXPECT_EQ(main->findChild<QLabel*>(u"lblTotalAvailMaps"_s)->text(), u"2 Maps available"_s);

    bool ended = false;
    QObject::connect(app.get(), &FortwrightApp::ended, [&ended](int code) { ended = code == 0; });
    main->button(0)->click();
    EXPECT_TRUE(ended);
    for (const char* file : { "Configs.dat", "Banned.dat", "msg.txt", "MOHAALib.atb" })
        EXPECT_TRUE(QFileInfo::exists(t.dataFile(QString::fromLatin1(file)))) << file;
    EXPECT_FALSE(QFileInfo::exists(t.dataFile(u"Maps.dat"_s))) << "no maps were selected";
    EXPECT_EQ(test::readBytes(t.dataFile(u"Banned.dat"_s)), QByteArray("Added\tIP\r\n"));
    EXPECT_EQ(test::readBytes(t.dataFile(u"msg.txt"_s)), QByteArray("\r\n"));
    EXPECT_EQ(test::readBytes(t.dataFile(u"Configs.dat"_s)),
        "Date Last Modified\tSize\tConfiguration\tFullPath\r\n" + QByteArray("\t\t\t\r\n").repeated(9));
}

TEST_F(LifecycleTest, NoServerProgramAsksForItAndCancellingEndsTheProgram)
{
    QFile::remove(game + u"/MOHAA_server.exe"_s);
    t.prompter.choose(QString());
    auto app = start(game);
    EXPECT_FALSE(app->Main());
    ASSERT_EQ(t.prompter.boxes().size(), 2);
    EXPECT_TRUE(t.prompter.boxes()[0].text.startsWith(u"Please select MOHAA_server.exe executable"_s));
    EXPECT_EQ(t.prompter.dialogs()[0].title, u"Select Medal of Honor (MOHAA_server.exe)"_s);
    EXPECT_EQ(t.prompter.boxes()[1], test::warningBox(u"User cancelled!        "_s));
    EXPECT_EQ(app->window(), nullptr);

    // Choosing any program makes its folder the game folder, kept for the next start.
    const QString other = t.root.filePath(u"elsewhere"_s);
    QDir().mkpath(other + u"/Main"_s);
    test::writeBytes(other + u"/server.exe"_s, "x");
    t.prompter.choose(other + u"/server.exe"_s);
    auto second = start(QString());
    ASSERT_TRUE(second->Main());
    EXPECT_TRUE(AppState(t.context.settingsStorePath).gameFolder().startsWith(other));
}

TEST_F(LifecycleTest, AFailingStartUpIsTracedLoggedAndAskedAbout)
{
    // The settings store cannot be written (its place is a folder), so keeping the chosen game
    // folder fails in the middle of the start-up.
    QDir().mkpath(t.context.settingsStorePath);
    QFile::remove(game + u"/MOHAA_server.exe"_s);
    test::writeBytes(game + u"/server.exe"_s, "x");
    t.prompter.choose(game + u"/server.exe"_s);
    t.prompter.answer(Answer::Abort);
    auto app = start(game);
    EXPECT_FALSE(app->Main()) << "Abort leaves the start-up";
    EXPECT_EQ(app->window(), nullptr);

    const MessageBox& box = t.prompter.boxes().last();
    EXPECT_EQ(box.buttons, MessageButtons::AbortRetryIgnore);
    EXPECT_TRUE(box.text.contains(u" in Sub Main at line 0\r\n\r\nThe call stack is:\r\n"_s))
        << box.text.toStdString();
    const QByteArray log = test::readBytes(t.dataFile(u"Error Log.txt"_s));
    EXPECT_TRUE(log.contains("The call stack is:")) << log.constData();
    const QByteArray trace = test::readBytes(t.dataFile(u"Tracing Log.txt"_s));
    EXPECT_TRUE(trace.contains(" --- Entered routine: Sub Main")) << trace.constData();
    EXPECT_FALSE(trace.contains("Exited routine")) << "Abort clears the call stack before the clean-up";

    // Ignore goes on with the start-up, which now opens its window and leaves Sub Main.
    QDir().mkpath(t.context.settingsStorePath);
    t.prompter.choose(game + u"/server.exe"_s);
    t.prompter.answer(Answer::Ignore);
    auto again = start(game);
    EXPECT_TRUE(again->Main());
    EXPECT_NE(again->window(), nullptr);
    EXPECT_TRUE(
        test::readBytes(t.dataFile(u"Tracing Log.txt"_s)).endsWith(" --- Exited routine: Sub Main\r\n"));
}

TEST_F(LifecycleTest, SettingsRoundTripThroughDefaultAndARestart)
{
    AppState(t.context.settingsStorePath).setFirstTime(true);
    test::writeBytes(t.dataFile(u"Main.efr"_s), "custom.pk3,bunker,bunker,bunker,ffa team round\r\n");
    ListFiles::writeRotation(t.dataFile(u"Maps.dat"_s), { { "bunker", "ffa team round", "bunker" } });
    auto app = start(game);
    ASSERT_TRUE(app->Main());
    EXPECT_TRUE(t.prompter.boxes().isEmpty()) << "no first-run scan";
    EXPECT_EQ(app->window()->profile().rotation.rows.size(), 1)
        << "the rotation comes back after the catalogue";

    auto* host = app->window()->findChild<QLineEdit*>(u"txtAdministration_2"_s);
    host->setText(u"Round, Trip"_s);
    app->window()->model().select(G::optGameType, 3);
    t.prompter.answer(Answer::Yes);
    app->window()->button(3)->click(); // its box's text is the Default button's own test

    app->Restart();
    ASSERT_NE(app->window(), nullptr);
    EXPECT_EQ(app->window()->profile().text(G::txtAdministration, 2), u"Round, Trip"_s);
    EXPECT_EQ(app->window()->profile().selected(G::optGameType), 3);

    t.prompter.answer(Answer::Yes);
    app->window()->button(2)->click();
    QTest::qWait(50);
    ASSERT_NE(app->window(), nullptr);
    EXPECT_EQ(app->window()->profile().text(G::txtAdministration, 2), QString())
        << "Reset restarts with the initial values";
    EXPECT_EQ(app->window()->profile().rotation.rows.size(), 1) << "the lists stay";
}

TEST_F(LifecycleTest, RunFromTheWindowStartsTheServerAndMinimises)
{
    AppState(t.context.settingsStorePath).setFirstTime(true);
    test::writeBytes(t.dataFile(u"Main.efr"_s), QByteArray());
    ListFiles::writeRotation(t.dataFile(u"Maps.dat"_s), { { "bunker", "ffa team round", "bunker" } });
    auto app = start(game);
    ASSERT_TRUE(app->Main());
    app->window()->findChild<QLineEdit*>(u"txtAdministration_1"_s)->setText(u"demo"_s);
    app->window()->button(1)->click();
    ASSERT_EQ(t.services.started.size(), 1) << t.prompter.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(t.services.started[0].workingDir, game);
    EXPECT_TRUE(QFileInfo::exists(t.mainFile(u"demo.cfg"_s)));
    EXPECT_TRUE(app->window()->isMinimized());
    QDir::setCurrent(QDir::tempPath());
}
