#include "WindowFixture.h"
#include "app/FrmWizard.h"
#include "app/SpinField.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>

namespace {

class WizardWindowTest : public test::WindowFixture {
protected:
    void SetUp() override
    {
        window.model().edit(ProfileModel::Part::Rotation, [](ServerProfile& p) {
            p.rotation.rows = { { "obj_team1", "objective", "" }, { "mohdm1", "ffa team round", "" } };
        });
        window.show();
        window.openMapWizard();
        wizard = window.wizardWindow();
        ASSERT_NE(wizard, nullptr);
    }

    FrmWizard* wizard = nullptr;
};

} // namespace

TEST_F(WizardWindowTest, WalksTheRotationThroughThePagesAndSavesTheCycle)
{
    EXPECT_FALSE(window.isVisible()) << "the main window hides while the wizard is open";
    EXPECT_EQ(wizard->mapList()->rowCount(), 2);
    EXPECT_EQ(wizard->mapList()->item(0, 1)->text(), u"objective"_s) << "under Game Types";
    EXPECT_FALSE(wizard->navButton(2)->isEnabled()) << "Next waits for a click on the map list";
    QTest::mouseClick(wizard->mapList()->viewport(), Qt::LeftButton, {},
        wizard->mapList()->visualItemRect(wizard->mapList()->item(1, 0)).center());
    EXPECT_TRUE(wizard->navButton(2)->isEnabled());
    wizard->navButton(2)->click();
    EXPECT_TRUE(wizard->navButton(1)->isEnabled());
    EXPECT_FALSE(wizard->navButton(3)->isEnabled());

    find<QRadioButton>("optGameType_2", wizard)->click();
    find<QCheckBox>("chkDMFlags_0", wizard)->click();
    find<QCheckBox>("chkDMFlags_2", wizard)->click();
    EXPECT_EQ(find<QLineEdit>("txtDMFlags", wizard)->text(), u"40"_s);
    find<SpinField>("GameLimit_2", wizard)->setText(u"7"_s);
    wizard->navButton(2)->click();
    EXPECT_TRUE(wizard->navButton(3)->isEnabled());
    EXPECT_EQ(wizard->wizard().cycle().CaptureLimits[1], u"capturelimit 7"_s);
    find<SpinField>("txtMovement_3", wizard)->setText(u"300"_s);

    const QString path = t.mainFile(u"mycycle.cfg"_s);
    t.prompter.choose(path);
    wizard->navButton(3)->click();
    EXPECT_EQ(t.prompter.boxes().last().title, u"Advanced Map Cycle"_s);
    EXPECT_EQ(t.prompter.boxes().last().text, u"File has been Saved        "_s);
    EXPECT_EQ(window.profile().rotation.savedCyclePath, path);
    EXPECT_TRUE(window.isVisible()) << "the main window comes back";
    EXPECT_TRUE(test::readBytes(path).contains("set m2 \"set g_gametype 3;map mohdm1;seta g_speed 300;"));
}
