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
#include <QTest>
#include <QTextBlock>
#include <QUdpSocket>
#include <csignal>
#include <sys/wait.h>

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

bool shows(const QPlainTextEdit& output, const QString& line)
{
    return QTest::qWaitFor([&] { return output.toPlainText().split(u'\n').contains(line); }, 5000);
}

using RunPreviewTest = test::WindowFixture;
using ServerConsoleTest = test::WindowFixture;

} // namespace

TEST_F(ServerConsoleTest, OutputComesInBatchesFollowsTheNewestLineAndKeepsTheLastTenThousand)
{
    FrmServerConsole console;
    console.resize(600, 300);
    console.show();
    ConsoleOutputView& view = *console.output();
    console.appendOutput({ u"------ Server Initialization Complete ------"_s, u"  map: obj/obj_team1"_s });
    EXPECT_EQ(view.toPlainText(), QString()) << "lines wait for their batch";
    EXPECT_TRUE(shows(view, u"  map: obj/obj_team1"_s));

    for (int from = 0; from < 12000; from += 3000)
        console.appendOutput(numbered(from, 3000));
    console.appendNotice(u"Restarting the server after a crash (signal 11)"_s);
    showAll(view);
    EXPECT_EQ(view.document()->blockCount(), 10000);
    EXPECT_EQ(view.document()->firstBlock().text(), u"line 2001"_s);
    EXPECT_EQ(view.document()->lastBlock().text(),
        u"[Fortwright] Restarting the server after a crash (signal 11)"_s);
    QScrollBar* bar = view.verticalScrollBar();
    EXPECT_EQ(bar->value(), bar->maximum()) << "the view keeps to the newest line";

    bar->setValue(bar->maximum() / 2);
    console.appendOutput(numbered(20000, 50));
    showAll(view);
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
    EXPECT_EQ(sent, (QStringList { u"status"_s, u"say hello all"_s }));

    QTest::keyClicks(&line, u"sa"_s);
    QStringList seen;
    for (Qt::Key key : { Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down }) {
        QTest::keyClick(&line, key);
        seen << line.text();
    }
    EXPECT_EQ(seen,
        (QStringList { u"say hello all"_s, u"status"_s, u"status"_s, u"say hello all"_s, u"sa"_s, u"sa"_s }))
        << "past the newest line the typed text comes back";
}

TEST_F(RunPreviewTest, ThePreviewFollowsTheSettingsAndTheChosenProgramWhichTheStoreKeeps)
{
    const QString game = t.context.gamePath;
    for (const QString& name : { u"omohaaded"_s, u"my-server"_s }) {
        test::writeBytes(game + u'/' + name, "#!/bin/sh\n");
        QFile::setPermissions(game + u'/' + name, QFile::permissions(game + u'/' + name) | QFile::ExeOwner);
    }
    RunPreviewPanel& preview = *window.runPreview();
    find<QLineEdit>(u"txtAdministration_1"_s)->setText(u"My Test"_s);
    find<QLineEdit>(u"txtAdministration_16"_s)->setText(u"12300"_s);
    const QString args
        = u" +set dedicated 2 +set net_port 12300 +set sv_pure 1 +set vm_game 0 +set com_hunkmegs 56 "
          "+set com_zonemegs 16 +set g_gametype 1 +exec my_test.cfg"_s;
    EXPECT_EQ(preview.previewText(), game + u"/omohaaded"_s + args);
    EXPECT_EQ(find<QPlainTextEdit>(u"txtRunPreview"_s)->toPlainText(), preview.previewText());

    QComboBox& choice = *find<QComboBox>(u"cboServerProgram"_s);
    EXPECT_EQ(choice.currentText(), u"Find automatically"_s);
    t.prompter.choose(game + u"/my-server"_s);
    emit choice.activated(choice.count() - 1);
    EXPECT_EQ(preview.previewText(), game + u"/my-server"_s + args);
    EXPECT_EQ(HostSettings(t.context.settingsStorePath).serverProgram(), game + u"/my-server"_s);
    EXPECT_EQ(t.prompter.dialogs().value(0).initialDir, game);

    emit choice.activated(0);
    EXPECT_EQ(HostSettings(t.context.settingsStorePath).serverProgram(), QString());
    EXPECT_TRUE(preview.previewText().startsWith(game + u"/omohaaded "_s));
}

// Run starts the game folder's native server under its console; the window goes, the server stays,
// and the next window follows it from its log.
TEST_F(ServerConsoleTest, RunOpensTheConsoleWhichFollowsTheServerTakesCommandsAndALaterWindowFindsItAgain)
{
    ASSERT_TRUE(QFile::link(
        test::builtProgram("fortwright-standin-omohaaded"), t.context.gamePath + u"/omohaaded"_s));
    test::writeBytes(t.dataFile(u"Main.efr"_s), "maps1.pk3,bunker,bunker,The Bunker,objective\r\n");
    ListFiles::writeRotation(t.dataFile(u"Maps.dat"_s), { { "bunker", "ffa team round", "bunker" } });
    window.Form_Load();
    window.show();
    ServerHosting& hosting = window.hosting();
    EXPECT_EQ(hosting.console(), nullptr) << "no server, no console";
    EXPECT_EQ(find<QLabel>(u"lblServerStatus"_s)->text(), u"Server: not started"_s);
    find<QLineEdit>(u"txtAdministration_1"_s)->setText(u"demo"_s);
    QUdpSocket probe; // a port nobody holds just now
    probe.bind(QHostAddress::AnyIPv4, 0, QAbstractSocket::DontShareAddress);
    find<QLineEdit>(u"txtAdministration_16"_s)->setText(QString::number(probe.localPort()));
    probe.close();
    window.button(1)->click();
    struct Kill { // whatever server the test leaves running
        HostedServer& server;
        ~Kill()
        {
            if (server.isRunning())
                ::kill(pid_t(server.status().pid), SIGKILL);
        }
    } leftOver { hosting.server() };
    EXPECT_TRUE(t.prompter.boxes().isEmpty()) << t.prompter.texts().join(u'\n').toStdString();
    ASSERT_TRUE(hosting.server().isRunning());
    FrmServerConsole* console = hosting.console();
    ASSERT_NE(console, nullptr);
    EXPECT_TRUE(console->isVisible());
    EXPECT_TRUE(window.isMinimized()) << "Run minimises the main window as before; the console stays up";
    QPlainTextEdit& output = *console->output();
    EXPECT_TRUE(shows(output, u"------ Server Initialization Complete ------"_s));
    EXPECT_TRUE(output.toPlainText().contains(u": demo.cfg\nworking folder: "_s)) << "the file Run wrote";
    const QString running = u"Server: "_s + statusText(hosting.server().status());
    EXPECT_TRUE(running.startsWith(u"Server: running since "_s)) << running.toStdString();
    EXPECT_EQ(console->findChild<QLabel*>(u"lblServerState"_s)->text(), running);
    EXPECT_EQ(find<QLabel>(u"lblServerStatus"_s)->text(), running);

    const qint64 first = hosting.server().status().pid;
    for (const Answer answer : { Answer::No, Answer::Yes }) { // a second Run asks, never a second server
        t.prompter.answer(answer);
        window.button(1)->click();
        EXPECT_TRUE(t.prompter.texts().constLast().startsWith(
            u"The server Fortwright started is running (PID %1). Stop it and start it again"_s.arg(first)));
        EXPECT_EQ(hosting.server().status().pid == first, answer == Answer::No);
        EXPECT_TRUE(hosting.server().isRunning());
    }
    EXPECT_EQ(::waitpid(pid_t(first), nullptr, WNOHANG), -1) << "the first one ended and was reaped";

    auto* restart = console->findChild<QCheckBox*>(u"chkRestartOnCrash"_s);
    EXPECT_FALSE(restart->isChecked()) << "off unless the user turns it on";
    restart->click();
    EXPECT_TRUE(HostSettings(t.context.settingsStorePath).restartOnCrash()) << "kept for the installation";
    QTest::keyClicks(console->commandLine(), u"say hello there"_s);
    QTest::keyClick(console->commandLine(), Qt::Key_Return);
    EXPECT_TRUE(shows(output, u"console: hello there"_s));

    console->close();
    window.Form_Unload();
    {
        FrmMain next(t.context);
        next.Form_Load();
        FrmServerConsole* again = next.hosting().console();
        ASSERT_NE(again, nullptr) << "a server found at start-up opens its console";
        EXPECT_TRUE(again->isVisible());
        EXPECT_TRUE(shows(*again->output(), u"console: hello there"_s));
        next.Form_Unload();
    }
    ASSERT_TRUE(hosting.server().isRunning());

    window.menus()->action(u"id_UtilitiesServerConsole"_s)->trigger();
    EXPECT_TRUE(console->isVisible()) << "Utilities opens it again";
    console->findChild<QPushButton*>(u"cmdServerStop"_s)->click();
    EXPECT_TRUE(shows(output, u"----- Server Shutdown (Server quit) -----"_s));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return hosting.server().status().state == HostState::Stopped; }, 15000));
    EXPECT_EQ(
        find<QLabel>(u"lblServerStatus"_s)->text(), u"Server: "_s + statusText(hosting.server().status()));
    EXPECT_FALSE(console->commandLine()->isEnabled()) << "a stopped server takes no commands";
    QDir::setCurrent(QDir::tempPath());
}
