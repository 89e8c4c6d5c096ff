#include "WindowFixture.h"
#include "app/BanListPanel.h"
#include "app/ConfigListPanel.h"
#include "app/FrmMain.h"
#include "app/SpinField.h"
#include "app/ValueWarningMark.h"
#include "check/ValueWarnings.h"
#include "testkit/TestData.h"

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

using MainWindowTest = test::WindowFixture;

TEST_F(MainWindowTest, EditsReachTheProfileAndAChangeOfTheProfileIsShown)
{
    auto* host = find<QLineEdit>(u"txtAdministration_2"_s);
    QTest::keyClicks(host, "My Server");
    EXPECT_EQ(window.profile().text(G::txtAdministration, 2), u"My Server"_s);

    auto* port = find<QLineEdit>(u"txtAdministration_16"_s);
    port->clear();
    QTest::keyClicks(port, "12a34567");
    EXPECT_EQ(window.profile().text(G::txtAdministration, 16), u"12345"_s) << "five digits only";

    auto* maxClients = find<SpinField>(u"txtGameSettings_0"_s);
    maxClients->stepBy(100);
    EXPECT_EQ(window.profile().text(G::txtGameSettings, 0), u"64"_s) << "the arrows keep within range";
    auto* delay = find<SpinField>(u"txtMsgDelay"_s);
    delay->stepBy(-50);
    EXPECT_EQ(window.profile().text(G::txtMsgDelay), u"5"_s);

    find<QRadioButton>(u"optGameType_3"_s)->click();
    EXPECT_EQ(window.profile().selected(G::optGameType), 3);
    find<QCheckBox>(u"chkSOF2Options_8"_s)->click();
    EXPECT_FALSE(window.profile().isOn(G::chkSOF2Options, 8));

    // A change of the whole profile, as a load makes it, is shown without being asked for.
    window.model().edit(ProfileModel::Part::Fields, [](ServerProfile& p) {
        p.setValue(G::txtMovement, 0, u"-1"_s);
        p.clearSelection(G::optServerType);
        p.setValue(G::chkDMFlags, 1, u"2"_s);
        p.message = u"a\r\nb"_s;
    });
    const ServerProfile& p = window.profile();
    EXPECT_EQ(find<SpinField>(u"txtMovement_0"_s)->text(), u"-1"_s);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(find<QRadioButton>(u"optServerType_%1"_s.arg(i))->isChecked());
    EXPECT_EQ(find<QCheckBox>(u"chkDMFlags_1"_s)->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(find<QPlainTextEdit>(u"txtMsg"_s)->toPlainText(), u"a\nb"_s);
    EXPECT_EQ(p.selected(G::optServerType), -1) << "showing the profile does not change it";
}

TEST_F(MainWindowTest, AFieldTheServerWouldMisreadShowsAWarningSignAndKeepsItsText)
{
    const auto markOf = [this](const char* name) {
        return find<QLineEdit>(QString::fromLatin1(name))->findChild<QAction*>(ValueWarningMark::kActionName);
    };
    auto* host = find<QLineEdit>(u"txtAdministration_2"_s);
    QAction* mark = markOf("txtAdministration_2");
    ASSERT_TRUE(mark);
    EXPECT_FALSE(ValueWarningMark::isShown(host));
    QTest::keyClicks(host, "My \"Best\" Server");
    EXPECT_TRUE(ValueWarningMark::isShown(host));
    // The warning's wording is the field rules' own test.
    EXPECT_EQ(mark->toolTip(),
        fieldValueWarnings(*SettingsCatalogue::field(G::txtAdministration, 2), host->text()).join(u'\n'));
    EXPECT_EQ(window.profile().text(G::txtAdministration, 2), u"My \"Best\" Server"_s);
    host->clear();
    EXPECT_FALSE(ValueWarningMark::isShown(host));

    window.model().setValue({ G::txtAdministration, 13 }, u"pass\nword"_s);
    EXPECT_TRUE(markOf("txtAdministration_13")->isVisible())
        << "a value shown from the profile is marked too";
    EXPECT_EQ(window.profile().text(G::txtAdministration, 13), u"pass\nword"_s);
}

TEST_F(MainWindowTest, DmFlagSumFollowsTheBoxes)
{
    auto* sum = find<QLineEdit>(u"txtDMFlags"_s);
    EXPECT_EQ(sum->text(), u"0"_s);
    find<QCheckBox>(u"chkDMFlags_0"_s)->click();
    find<QCheckBox>(u"chkDMFlags_2"_s)->click();
    EXPECT_EQ(sum->text(), u"40"_s);
    find<QCheckBox>(u"chkDMFlags_1"_s)->click();
    EXPECT_EQ(sum->text(), u"56"_s);
    for (int i = 0; i < 3; ++i)
        find<QCheckBox>(u"chkDMFlags_%1"_s.arg(i))->click();
    EXPECT_EQ(sum->text(), u"0"_s);
}

TEST_F(MainWindowTest, TheLoadedProfileShowsTheSumOfItsDmFlags)
{
    test::writeBytes(t.dataFile(u"Default.ini"_s),
        test::crlfLines({ "[DMFlags]", "DMFlags0=1", "DMFlags1=0", "DMFlags2=1" }));
    window.Form_Load();
    EXPECT_TRUE(find<QCheckBox>(u"chkDMFlags_0"_s)->isChecked());
    EXPECT_TRUE(find<QCheckBox>(u"chkDMFlags_2"_s)->isChecked());
    EXPECT_EQ(find<QLineEdit>(u"txtDMFlags"_s)->text(), u"40"_s);
}

TEST_F(MainWindowTest, BansAreAddedTrimmedAndRemoved)
{
    auto* address = find<QLineEdit>(u"txtBanIP"_s);
    auto* add = find<QPushButton>(u"cmdBanning"_s);
    QTest::keyClicks(address, "   ");
    add->click();
    EXPECT_TRUE(window.profile().bans.isEmpty());
    EXPECT_EQ(address->text(), u"   "_s) << "only blanks: nothing added, the field keeps its text";
    address->setText(u"  10.0.0.1 "_s);
    add->click();
    address->setText(u"10.0.0.1"_s);
    add->click();
    ASSERT_EQ(window.profile().bans.size(), 2);
    EXPECT_EQ(window.profile().bans[0], (BanEntry { u"09/09/2001"_s, u"10.0.0.1"_s }));
    EXPECT_TRUE(address->text().isEmpty());
    auto* grid = find<QTableWidget>(u"grdBanned"_s);
    EXPECT_EQ(std::pair(grid->rowCount(), grid->item(1, 1)->text()), std::pair(2, u"10.0.0.1"_s));
    grid->setCurrentCell(0, 0);
    auto* remove = find<QAction>(u"ID_RemoveIP"_s);
    t.prompter.answer(Answer::No).answer(Answer::Yes);
    remove->trigger();
    EXPECT_EQ(window.profile().bans.size(), 2) << "No keeps the ban";
    remove->trigger();
    EXPECT_EQ(t.prompter.boxes(), test::Boxes(2, test::question(u"Remove Selected IP?        "_s)));
    EXPECT_EQ(std::pair(window.profile().bans.size(), grid->rowCount()), std::pair(qsizetype(1), 1));
}

TEST_F(MainWindowTest, ConfigurationsAreChosenDescribedAndBlanked)
{
    const QString file = t.mainFile(u"extra.cfg"_s);
    test::writeBytes(file, QByteArray(2048, 'x'));
    t.prompter.choose(file);
    window.configList()->chooseConfiguration(3);
    const FileDialogRequest choose { true, u"Select Medal of Honor Configuration"_s,
        u"Medal of Honor Configuration (*.cfg)|*.cfg"_s, t.context.mainPath, QString(), u"dat"_s, 0x281800u,
        0 };
    EXPECT_EQ(t.prompter.dialogs(), test::Dialogs { choose });
    const AdditionalConfig& row = window.profile().configs[3];
    EXPECT_EQ(row.name, u"extra.cfg"_s);
    EXPECT_EQ(row.size, QLocale::system().toString(2.05, 'f', 2));
    EXPECT_FALSE(row.modified.isEmpty());

    // The same file again asks first; No leaves the row alone.
    t.prompter.choose(file).answer(Answer::No);
    window.configList()->chooseConfiguration(5);
    const MessageBox again
        = test::question(u"Configuration has already been loaded, do you wish to continue?        "_s);
    EXPECT_EQ(t.prompter.boxes(), test::Boxes { again });
    EXPECT_TRUE(window.profile().configs[5].isEmpty());

    t.prompter.choose(QString());
    window.configList()->chooseConfiguration(5);
    EXPECT_TRUE(window.profile().configs[5].isEmpty()) << "a cancelled dialog changes nothing";

    auto* grid = find<QTableWidget>(u"grdAdditionalCfg"_s);
    EXPECT_EQ(grid->rowCount(), kAdditionalConfigRows);
    EXPECT_TRUE(grid->isColumnHidden(3));
    QFile::remove(file);
    window.configList()->refresh();
    EXPECT_TRUE(grid->item(3, 2)->font().strikeOut()) << "a file that is gone is struck through";
    grid->setCurrentCell(3, 2);
    t.prompter.answer(Answer::Yes);
    find<QAction>(u"ID_RemoveConfiguration"_s)->trigger();
    EXPECT_EQ(t.prompter.boxes(),
        test::Boxes({ again, test::question(u"Remove Selected Configuration?        "_s) }));
    EXPECT_TRUE(window.profile().configs[3].isEmpty());
    EXPECT_EQ(window.profile().configs.size(), kAdditionalConfigRows);
}

TEST_F(MainWindowTest, WarningPanelSpeaksOnlyWhileGameSpyIsOnAndTheHeaderShowsTheLink)
{
    auto* warning = find<QLabel>(u"pnlIcon_2"_s);
    find<QCheckBox>(u"chkSOF2Options_13"_s)->click();
    QTest::mouseClick(warning, Qt::LeftButton);
    EXPECT_TRUE(t.prompter.boxes().isEmpty()) << "GameSpy off: nothing is shown";
    find<QCheckBox>(u"chkSOF2Options_13"_s)->click();
    QTest::mouseClick(warning, Qt::LeftButton);
    EXPECT_EQ(t.prompter.boxes(),
        test::Boxes { test::criticalBox(QString::fromLatin1(test::testData(u"gamespy-warning.txt"_s))) });

    auto* link = find<QLabel>(u"lnkHome"_s);
    EXPECT_FALSE(link->isVisibleTo(&window));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(find<QWidget>(u"pnlHeader"_s), &enter);
    EXPECT_TRUE(link->isVisibleTo(&window));
}

TEST_F(MainWindowTest, EveryViewShowsWhatTheModelAnnouncesAndNothingElseNeedsAsking)
{
    auto* bans = find<QTableWidget>(u"grdBanned"_s);
    auto* configs = find<QTableWidget>(u"grdAdditionalCfg"_s);
    auto* rotation = find<QTableWidget>(u"lsvMapRotation"_s);
    window.model().edit(ProfileModel::Part::Bans | ProfileModel::Part::Configs, [](ServerProfile& p) {
        p.bans.append({ u"01/02/2003"_s, u"10.1.1.1"_s });
        p.configs[2].name = u"clan.cfg"_s;
    });
    ASSERT_EQ(bans->rowCount(), 1);
    EXPECT_EQ(bans->item(0, 1)->text(), u"10.1.1.1"_s);
    EXPECT_EQ(configs->item(2, 2)->text(), u"clan.cfg"_s);

    // A change that fails part-way still shows what it did.
    EXPECT_THROW(window.model().edit(ProfileModel::Part::Rotation,
                     [](ServerProfile& p) {
                         p.rotation.rows.append({ u"mohdm2"_s, QString(), QString() });
                         throw std::runtime_error("disk gone");
                     }),
        std::runtime_error);
    ASSERT_EQ(rotation->rowCount(), 1);
    EXPECT_EQ(rotation->item(0, 0)->text(), u"mohdm2"_s);
}
