#include "WindowFixture.h"
#include "app/CommandHistoryEdit.h"
#include "app/ConsoleOutputView.h"
#include "app/FrmServerConsole.h"
#include "app/MainMenus.h"
#include "app/RunPreviewPanel.h"
#include "app/ServerHosting.h"
#include "profile/ListFiles.h"
#include "server/hosting/HostSettings.h"
#include "testkit/BuiltPrograms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QUdpSocket>
#include <csignal>

namespace {

QStringList numbered(int from, int count)
{
    QStringList lines;
    for (int i = from; i < from + count; ++i)
        lines << u"line %1"_s.arg(i);
    return lines;
}

// Shows every batch still waiting.
void showAll(ConsoleOutputView& view)
{
    for (int turn = 0; turn < 100; ++turn)
        view.flush();
}

QString firstLine(const QPlainTextEdit& view)
{
    return view.document()->firstBlock().text();
}

using RunPreviewTest = test::WindowFixture;
using ServerConsoleTest = test::WindowFixture;

// A main window over the stand-in native server, which every test stops or kills before it ends.
class LiveConsoleTest : public test::WindowFixture {
protected:
    void SetUp() override
    {
        // A map list keeps the load from asking for a first scan.
        test::writeBytes(t.dataFile(u"Main.efr"_s), "maps1.pk3,bunker,bunker,The Bunker,objective\r\n");
    }
    void TearDown() override
    {
        for (const qint64 pid : pids)
            if (::kill(pid_t(pid), 0) == 0)
                ::kill(pid_t(pid), SIGKILL);
    }
    void start(HostedServer& server)
    {
        QObject::connect(&server, &HostedServer::statusChanged, [this](const HostStatus& status) {
            if (status.pid > 0)
                pids.insert(status.pid);
        });
        const quint16 port = freePort();
        server.start({ test::builtProgram("fortwright-standin-omohaaded"),
                         { u"+set"_s, u"net_port"_s, QString::number(port) }, t.context.gamePath, true },
            port);
    }

    // A UDP port nobody holds just now.
    static quint16 freePort()
    {
        QUdpSocket probe;
        probe.bind(QHostAddress::AnyIPv4, 0, QAbstractSocket::DontShareAddress);
        return probe.localPort();
    }

    QSet<qint64> pids;
};

} // namespace

TEST_F(ServerConsoleTest, OutputComesInBatchesFollowsTheNewestLineAndKeepsTheLastTenThousand)
{
    FrmServerConsole console;
    console.resize(600, 300);
    console.show();
    ConsoleOutputView& view = *console.output();
    console.appendOutput({ u"------ Server Initialization Complete ------"_s, u"  map: obj/obj_team1"_s });
    EXPECT_EQ(view.toPlainText(), QString()) << "lines wait for their batch";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !view.toPlainText().isEmpty(); }, 2000));
    EXPECT_EQ(view.toPlainText(), u"------ Server Initialization Complete ------\n  map: obj/obj_team1"_s);

    for (int from = 0; from < 12000; from += 3000)
        console.appendOutput(numbered(from, 3000));
    console.appendNotice(u"Restarting the server after a crash (signal 11)"_s);
    showAll(view);
    EXPECT_EQ(view.document()->blockCount(), ConsoleOutputView::kMaxLines);
    EXPECT_EQ(firstLine(view), u"line 2001"_s);
    EXPECT_EQ(view.document()->lastBlock().text(),
        u"[Fortwright] Restarting the server after a crash (signal 11)"_s);
    QScrollBar* bar = view.verticalScrollBar();
    EXPECT_EQ(bar->value(), bar->maximum()) << "the view keeps to the newest line";

    bar->setValue(bar->maximum() / 2);
    console.appendOutput(numbered(20000, 50));
    showAll(view);
    EXPECT_EQ(view.document()->lastBlock().text(), u"line 20049"_s);
    EXPECT_LT(bar->value(), bar->maximum()) << "a user who scrolled up is left reading";
}

TEST_F(ServerConsoleTest, TheCommandLineHandsOnEachLineAndStepsThroughItsHistory)
{
    FrmServerConsole console;
    QStringList sent;
    QObject::connect(&console, &FrmServerConsole::commandEntered, [&](const QString& line) { sent << line; });
    CommandHistoryEdit& line = *console.commandLine();
    console.showState(u"running since 12:00:03 (PID 4242)"_s, true);
    QTest::keyClicks(&line, u"status"_s);
    QTest::keyClick(&line, Qt::Key_Return);
    QTest::keyClicks(&line, u"say hello all"_s);
    console.findChild<QPushButton*>(u"cmdServerSend"_s)->click();
    QTest::keyClick(&line, Qt::Key_Return); // an empty line is nothing
    QTest::keyClicks(&line, u"status"_s);
    QTest::keyClick(&line, Qt::Key_Return);
    EXPECT_EQ(sent, (QStringList { u"status"_s, u"say hello all"_s, u"status"_s }));
    EXPECT_EQ(line.history(), (QStringList { u"status"_s, u"say hello all"_s, u"status"_s }));
    EXPECT_EQ(line.text(), QString());

    QTest::keyClicks(&line, u"sa"_s);
    QStringList seen;
    for (Qt::Key key : { Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down,
             Qt::Key_Down, Qt::Key_Down }) {
        QTest::keyClick(&line, key);
        seen << line.text();
    }
    EXPECT_EQ(seen,
        (QStringList { u"status"_s, u"say hello all"_s, u"status"_s, u"status"_s, u"say hello all"_s,
            u"status"_s, u"sa"_s, u"sa"_s }))
        << "past the newest line the typed text comes back";

    console.showState(u"stopped at 12:10:00 (exit status 0)"_s, false);
    EXPECT_EQ(console.findChild<QLabel*>(u"lblServerState"_s)->text(),
        u"Server: stopped at 12:10:00 (exit status 0)"_s);
    EXPECT_FALSE(line.isEnabled()) << "a stopped server takes no commands";
    EXPECT_FALSE(console.findChild<QPushButton*>(u"cmdServerStop"_s)->isEnabled());
}

TEST_F(RunPreviewTest, ThePreviewFollowsTheSettingsAndTheChosenProgramWhichTheStoreKeeps)
{
    const QString game = t.context.gamePath;
    for (const QString name : { u"omohaaded"_s, u"my-server"_s }) {
        test::writeBytes(game + u'/' + name, "#!/bin/sh\n");
        QFile::setPermissions(game + u'/' + name, QFile::permissions(game + u'/' + name) | QFile::ExeOwner);
    }
    RunPreviewPanel& preview = *window.runPreview();
    find<QLineEdit>(u"txtAdministration_1"_s)->setText(u"My Test"_s);
    const QString args
        = u" +set dedicated 2 +set net_port 12203 +set sv_pure 1 +set vm_game 0 +set com_hunkmegs 56 "
          "+set com_zonemegs 16 +set g_gametype 1 +exec my_test.cfg"_s;
    EXPECT_EQ(preview.previewText(), game + u"/omohaaded"_s + args);
    EXPECT_EQ(find<QPlainTextEdit>(u"txtRunPreview"_s)->toPlainText(), preview.previewText());

    find<QLineEdit>(u"txtAdministration_16"_s)->setText(u"12300"_s);
    EXPECT_TRUE(preview.previewText().contains(u"+set net_port 12300 "_s))
        << preview.previewText().toStdString();

    QComboBox& choice = *find<QComboBox>(u"cboServerProgram"_s);
    EXPECT_EQ(choice.currentText(), u"Find automatically"_s);
    t.prompter.choose(game + u"/my-server"_s);
    emit choice.activated(choice.count() - 1);
    EXPECT_EQ(preview.previewText(), game + u"/my-server"_s + QString(args).replace(u"12203"_s, u"12300"_s));
    EXPECT_EQ(HostSettings(t.context.settingsStorePath).serverProgram(), game + u"/my-server"_s);
    EXPECT_EQ(choice.currentText(), game + u"/my-server"_s);
    ASSERT_EQ(t.prompter.dialogs().size(), 1);
    EXPECT_EQ(t.prompter.dialogs()[0].initialDir, game);

    t.prompter.choose(QString());
    emit choice.activated(choice.count() - 1);
    EXPECT_EQ(choice.currentText(), game + u"/my-server"_s) << "a cancelled dialog changes nothing";

    emit choice.activated(0);
    EXPECT_EQ(HostSettings(t.context.settingsStorePath).serverProgram(), QString());
    EXPECT_TRUE(preview.previewText().startsWith(game + u"/omohaaded "_s));
}

TEST_F(LiveConsoleTest, TheConsoleOpensWithTheServerFollowsItTakesCommandsAndALaterWindowFindsItAgain)
{
    window.Form_Load();
    ServerHosting& hosting = window.hosting();
    EXPECT_EQ(hosting.console(), nullptr) << "no server, no console";
    EXPECT_EQ(find<QLabel>(u"lblServerStatus"_s)->text(), u"Server: not started"_s);
    start(hosting.server());
    FrmServerConsole* console = hosting.console();
    ASSERT_NE(console, nullptr);
    EXPECT_TRUE(console->isVisible()) << "a starting server brings up its console";
    EXPECT_EQ(console->parentWidget(), nullptr)
        << "a window of its own stays up when the main one is minimised";
    QPlainTextEdit& output = *console->output();
    auto shows = [&](const QString& line) {
        return QTest::qWaitFor([&] { return output.toPlainText().split(u'\n').contains(line); }, 5000);
    };
    EXPECT_TRUE(shows(u"------ Server Initialization Complete ------"_s));
    const QString running = u"Server: "_s + statusText(hosting.server().status());
    EXPECT_TRUE(running.startsWith(u"Server: running since "_s)) << running.toStdString();
    EXPECT_EQ(console->findChild<QLabel*>(u"lblServerState"_s)->text(), running);
    EXPECT_EQ(find<QLabel>(u"lblServerStatus"_s)->text(), running);

    auto* restart = console->findChild<QCheckBox*>(u"chkRestartOnCrash"_s);
    EXPECT_FALSE(restart->isChecked()) << "off unless the user turns it on";
    restart->click();
    EXPECT_TRUE(HostSettings(t.context.settingsStorePath).restartOnCrash()) << "kept for the installation";

    QTest::keyClicks(console->commandLine(), u"say hello there"_s);
    QTest::keyClick(console->commandLine(), Qt::Key_Return);
    EXPECT_TRUE(shows(u"console: hello there"_s));

    // The window goes and the server stays; the next window follows it from its log.
    console->close();
    window.Form_Unload();
    {
        FrmMain next(t.context);
        next.Form_Load();
        FrmServerConsole* again = next.hosting().console();
        ASSERT_NE(again, nullptr) << "a server found at start-up opens its console";
        EXPECT_TRUE(again->isVisible());
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return again->output()->toPlainText().contains(u"console: hello there"_s); }, 5000));
        next.Form_Unload();
    }
    ASSERT_TRUE(hosting.server().isRunning());

    window.menus()->action(u"id_UtilitiesServerConsole"_s)->trigger();
    EXPECT_TRUE(console->isVisible()) << "Utilities opens it again";
    console->findChild<QPushButton*>(u"cmdServerStop"_s)->click();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return hosting.server().status().state == HostState::Stopped; }, 15000));
    EXPECT_TRUE(shows(u"----- Server Shutdown (Server quit) -----"_s));
    EXPECT_TRUE(find<QLabel>(u"lblServerStatus"_s)->text().startsWith(u"Server: stopped at "_s));
    EXPECT_FALSE(console->commandLine()->isEnabled());
}

TEST_F(LiveConsoleTest, RunStartsTheGameFoldersNativeServerUnderTheConsoleAndMinimisesTheWindow)
{
    ASSERT_TRUE(QFile::link(
        test::builtProgram("fortwright-standin-omohaaded"), t.context.gamePath + u"/omohaaded"_s));
    ListFiles::writeRotation(t.dataFile(u"Maps.dat"_s), { { "bunker", "ffa team round", "bunker" } });
    window.Form_Load();
    window.show();
    find<QLineEdit>(u"txtAdministration_1"_s)->setText(u"demo"_s);
    find<QLineEdit>(u"txtAdministration_16"_s)->setText(QString::number(freePort()));
    window.button(1)->click();
    HostedServer& server = window.hosting().server();
    if (server.status().pid > 0)
        pids.insert(server.status().pid);
    EXPECT_TRUE(t.prompter.boxes().isEmpty()) << t.prompter.texts().join(u'\n').toStdString();
    ASSERT_TRUE(server.isRunning());
    FrmServerConsole* console = window.hosting().console();
    ASSERT_NE(console, nullptr);
    EXPECT_TRUE(console->isVisible());
    EXPECT_TRUE(window.isMinimized()) << "Run minimises the main window as before; the console stays up";
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return console->output()->toPlainText().contains(
                u"------ Server Initialization Complete ------"_s);
        },
        5000));
    EXPECT_TRUE(console->output()->toPlainText().contains(u": demo.cfg\nworking folder: "_s))
        << "the configuration Run wrote, started in the game folder";
    EXPECT_TRUE(server.stopAndWait(std::chrono::seconds(5)));
    QDir::setCurrent(QDir::tempPath());
}
