#include "WindowFixture.h"
#include "app/BanListPanel.h"
#include "app/ConfigListPanel.h"
#include "app/FrmMain.h"
#include "app/SpinField.h"
#include "app/ValueWarningMark.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace fw;
using G = SettingGroup;

using MainWindowTest = test::WindowFixture;

TEST_F(MainWindowTest, EditsReachTheProfileAndAChangeOfTheProfileIsShown)
{
    auto* host = find<QLineEdit>(QStringLiteral("txtAdministration_2"));
    QTest::keyClicks(host, "My Server");
    EXPECT_EQ(window.profile().text(G::txtAdministration, 2), QStringLiteral("My Server"));

    auto* port = find<QLineEdit>(QStringLiteral("txtAdministration_16"));
    port->clear();
    QTest::keyClicks(port, "12a34567");
    EXPECT_EQ(window.profile().text(G::txtAdministration, 16), QStringLiteral("12345")) << "five digits only";

    auto* maxClients = find<SpinField>(QStringLiteral("txtGameSettings_0"));
    maxClients->stepBy(100);
    EXPECT_EQ(window.profile().text(G::txtGameSettings, 0), QStringLiteral("64"))
        << "the arrows keep within range";
    auto* delay = find<SpinField>(QStringLiteral("txtMsgDelay"));
    delay->stepBy(-50);
    EXPECT_EQ(window.profile().text(G::txtMsgDelay), QStringLiteral("5"));

    find<QRadioButton>(QStringLiteral("optGameType_3"))->click();
    EXPECT_EQ(window.profile().selected(G::optGameType), 3);
    find<QCheckBox>(QStringLiteral("chkSOF2Options_8"))->click();
    EXPECT_FALSE(window.profile().isOn(G::chkSOF2Options, 8));

    // A change of the whole profile, as a load makes it, is shown without being asked for.
    window.model().edit(ProfileModel::Part::Fields, [](ServerProfile& p) {
        p.setValue(G::txtMovement, 0, QStringLiteral("-1"));
        p.clearSelection(G::optServerType);
        p.setValue(G::chkDMFlags, 1, QStringLiteral("2"));
        p.message = QStringLiteral("a\r\nb");
    });
    const ServerProfile& p = window.profile();
    EXPECT_EQ(find<SpinField>(QStringLiteral("txtMovement_0"))->text(), QStringLiteral("-1"));
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(find<QRadioButton>(QStringLiteral("optServerType_%1").arg(i))->isChecked());
    EXPECT_EQ(find<QCheckBox>(QStringLiteral("chkDMFlags_1"))->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(find<QPlainTextEdit>(QStringLiteral("txtMsg"))->toPlainText(), QStringLiteral("a\nb"));
    EXPECT_EQ(p.selected(G::optServerType), -1) << "showing the profile does not change it";
}

TEST_F(MainWindowTest, AFieldTheServerWouldMisreadShowsAWarningSignAndKeepsItsText)
{
    const auto markOf = [this](const char* name) {
        return find<QLineEdit>(QString::fromLatin1(name))->findChild<QAction*>(ValueWarningMark::kActionName);
    };
    auto* host = find<QLineEdit>(QStringLiteral("txtAdministration_2"));
    QAction* mark = markOf("txtAdministration_2");
    ASSERT_TRUE(mark);
    EXPECT_FALSE(ValueWarningMark::isShown(host));
    QTest::keyClicks(host, "My \"Best\" Server");
    EXPECT_TRUE(ValueWarningMark::isShown(host));
    EXPECT_EQ(mark->toolTip(),
        QStringLiteral("Host holds a double quote: the server would read the value as ending there"));
    EXPECT_EQ(window.profile().text(G::txtAdministration, 2), QStringLiteral("My \"Best\" Server"));
    host->clear();
    EXPECT_FALSE(ValueWarningMark::isShown(host));

    window.model().setValue({ G::txtAdministration, 13 }, QStringLiteral("pass\nword"));
    EXPECT_TRUE(markOf("txtAdministration_13")->isVisible())
        << "a value shown from the profile is marked too";
    EXPECT_EQ(window.profile().text(G::txtAdministration, 13), QStringLiteral("pass\nword"));
}

TEST_F(MainWindowTest, DmFlagSumFollowsTheBoxes)
{
    auto* sum = find<QLineEdit>(QStringLiteral("txtDMFlags"));
    EXPECT_EQ(sum->text(), QStringLiteral("0"));
    find<QCheckBox>(QStringLiteral("chkDMFlags_0"))->click();
    find<QCheckBox>(QStringLiteral("chkDMFlags_2"))->click();
    EXPECT_EQ(sum->text(), QStringLiteral("40"));
    find<QCheckBox>(QStringLiteral("chkDMFlags_1"))->click();
    EXPECT_EQ(sum->text(), QStringLiteral("56"));
    for (int i = 0; i < 3; ++i)
        find<QCheckBox>(QStringLiteral("chkDMFlags_%1").arg(i))->click();
    EXPECT_EQ(sum->text(), QStringLiteral("0"));
}

TEST_F(MainWindowTest, TheLoadedProfileShowsTheSumOfItsDmFlags)
{
    test::writeBytes(t.dataFile(QStringLiteral("Default.ini")),
        test::crlfLines({ "[DMFlags]", "DMFlags0=1", "DMFlags1=0", "DMFlags2=1" }));
    window.Form_Load();
    EXPECT_TRUE(find<QCheckBox>(QStringLiteral("chkDMFlags_0"))->isChecked());
    EXPECT_TRUE(find<QCheckBox>(QStringLiteral("chkDMFlags_2"))->isChecked());
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("txtDMFlags"))->text(), QStringLiteral("40"));
}

TEST_F(MainWindowTest, BansAreAddedTrimmedAndRemoved)
{
    auto* address = find<QLineEdit>(QStringLiteral("txtBanIP"));
    auto* add = find<QPushButton>(QStringLiteral("cmdBanning"));
    QTest::keyClicks(address, "   ");
    add->click();
    EXPECT_TRUE(window.profile().bans.isEmpty());
    EXPECT_EQ(address->text(), QStringLiteral("   "))
        << "only blanks: nothing added, the field keeps its text";
    address->setText(QStringLiteral("  10.0.0.1 "));
    add->click();
    address->setText(QStringLiteral("10.0.0.1"));
    add->click();
    ASSERT_EQ(window.profile().bans.size(), 2);
    EXPECT_EQ(
        window.profile().bans[0], (BanEntry { QStringLiteral("09/09/2001"), QStringLiteral("10.0.0.1") }));
    EXPECT_TRUE(address->text().isEmpty());
    auto* grid = find<QTableWidget>(QStringLiteral("grdBanned"));
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(1, 1)->text(), QStringLiteral("10.0.0.1"));
    grid->setCurrentCell(0, 0);
    auto* remove = find<QAction>(QStringLiteral("ID_RemoveIP"));
    t.prompter.answer(Answer::No).answer(Answer::Yes);
    remove->trigger();
    EXPECT_EQ(window.profile().bans.size(), 2) << "No keeps the ban";
    remove->trigger();
    EXPECT_EQ(t.prompter.boxes().last().text, QStringLiteral("Remove Selected IP?        "));
    EXPECT_EQ(window.profile().bans.size(), 1);
    EXPECT_EQ(grid->rowCount(), 1);
}

TEST_F(MainWindowTest, ConfigurationsAreChosenDescribedAndBlanked)
{
    const QString file = t.mainFile(QStringLiteral("extra.cfg"));
    test::writeBytes(file, QByteArray(2048, 'x'));
    t.prompter.choose(file);
    window.configList()->chooseConfiguration(3);
    ASSERT_EQ(t.prompter.dialogs().size(), 1);
    EXPECT_EQ(t.prompter.dialogs()[0].title, QStringLiteral("Select Medal of Honor Configuration"));
    EXPECT_EQ(t.prompter.dialogs()[0].filter, QStringLiteral("Medal of Honor Configuration (*.cfg)|*.cfg"));
    const AdditionalConfig& row = window.profile().configs[3];
    EXPECT_EQ(row.name, QStringLiteral("extra.cfg"));
    EXPECT_EQ(row.size, QLocale::system().toString(2.05, 'f', 2));
    EXPECT_FALSE(row.modified.isEmpty());

    // The same file again asks first; No leaves the row alone.
    t.prompter.choose(file).answer(Answer::No);
    window.configList()->chooseConfiguration(5);
    EXPECT_EQ(t.prompter.boxes().last().text,
        QStringLiteral("Configuration has already been loaded, do you wish to continue?        "));
    EXPECT_TRUE(window.profile().configs[5].isEmpty());

    t.prompter.choose(QString());
    window.configList()->chooseConfiguration(5);
    EXPECT_TRUE(window.profile().configs[5].isEmpty()) << "a cancelled dialog changes nothing";

    auto* grid = find<QTableWidget>(QStringLiteral("grdAdditionalCfg"));
    EXPECT_EQ(grid->rowCount(), kAdditionalConfigRows);
    EXPECT_TRUE(grid->isColumnHidden(3));
    QFile::remove(file);
    window.configList()->refresh();
    EXPECT_TRUE(grid->item(3, 2)->font().strikeOut()) << "a file that is gone is struck through";
    grid->setCurrentCell(3, 2);
    t.prompter.answer(Answer::Yes);
    find<QAction>(QStringLiteral("ID_RemoveConfiguration"))->trigger();
    EXPECT_EQ(t.prompter.boxes().last().text, QStringLiteral("Remove Selected Configuration?        "));
    EXPECT_EQ(t.prompter.boxes().last().icon, MessageIcon::Question);
    EXPECT_TRUE(window.profile().configs[3].isEmpty());
    EXPECT_EQ(window.profile().configs.size(), kAdditionalConfigRows);
}

TEST_F(MainWindowTest, WarningPanelSpeaksOnlyWhileGameSpyIsOnAndTheHeaderShowsTheLink)
{
    auto* warning = find<QLabel>(QStringLiteral("pnlIcon_2"));
    find<QCheckBox>(QStringLiteral("chkSOF2Options_13"))->click();
    QTest::mouseClick(warning, Qt::LeftButton);
    EXPECT_TRUE(t.prompter.boxes().isEmpty()) << "GameSpy off: nothing is shown";
    find<QCheckBox>(QStringLiteral("chkSOF2Options_13"))->click();
    QTest::mouseClick(warning, Qt::LeftButton);
    ASSERT_EQ(t.prompter.boxes().size(), 1);
    EXPECT_EQ(t.prompter.boxes()[0].icon, MessageIcon::Critical);
    const QStringList lines = t.prompter.boxes()[0].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0],
        QStringLiteral("We recommend that you always delete you q3config.cfg when starting your server, "
                       "however, if you         "));
    EXPECT_EQ(lines[4],
        QStringLiteral(
            "to have all your client settings loaded. To open the console type the tilde (`) key.        "));

    auto* link = find<QLabel>(QStringLiteral("lnkHome"));
    EXPECT_FALSE(link->isVisibleTo(&window));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(find<QWidget>(QStringLiteral("pnlHeader")), &enter);
    EXPECT_TRUE(link->isVisibleTo(&window));
}

TEST_F(MainWindowTest, EveryViewShowsWhatTheModelAnnouncesAndNothingElseNeedsAsking)
{
    auto* bans = find<QTableWidget>(QStringLiteral("grdBanned"));
    auto* configs = find<QTableWidget>(QStringLiteral("grdAdditionalCfg"));
    auto* rotation = find<QTableWidget>(QStringLiteral("lsvMapRotation"));
    window.model().edit(ProfileModel::Part::Bans | ProfileModel::Part::Configs, [](ServerProfile& p) {
        p.bans.append({ QStringLiteral("01/02/2003"), QStringLiteral("10.1.1.1") });
        p.configs[2].name = QStringLiteral("clan.cfg");
    });
    ASSERT_EQ(bans->rowCount(), 1);
    EXPECT_EQ(bans->item(0, 1)->text(), QStringLiteral("10.1.1.1"));
    EXPECT_EQ(configs->item(2, 2)->text(), QStringLiteral("clan.cfg"));

    // A change that fails part-way still shows what it did.
    EXPECT_THROW(window.model().edit(ProfileModel::Part::Rotation,
                     [](ServerProfile& p) {
                         p.rotation.rows.append({ QStringLiteral("mohdm2"), QString(), QString() });
                         throw std::runtime_error("disk gone");
                     }),
        std::runtime_error);
    ASSERT_EQ(rotation->rowCount(), 1);
    EXPECT_EQ(rotation->item(0, 0)->text(), QStringLiteral("mohdm2"));
}
