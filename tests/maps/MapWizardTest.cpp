#include "maps/MapWizard.h"
#include "generate/AdvancedCycleWriter.h"
#include "profile/ListFiles.h"
#include "profile/ServerProfile.h"
#include "support/files/AnsiTextFile.h"
#include "testkit/TestContext.h"

#include <QFileInfo>

using B = MapWizard::Button;
using R = MapWizard::Result;

namespace {

struct WizardFixture : ::testing::Test {
    test::TestContext t;
    ServerProfile profile;

    void SetUp() override
    {
        profile.rotation.rows = { { "obj_team1", "objective", "" }, { "mohdm1", "ffa team round", "" } };
        profile.select(G::optGameType, 3);
        profile.setValue(G::chkDMFlags, 0, QStringLiteral("1"));
        profile.setValue(G::chkDMFlags, 2, QStringLiteral("1"));
    }

    struct State {
        int page;
        bool back, next, finish;
        bool operator==(const State&) const = default;
    };
    static State state(const MapWizard& w)
    {
        return { w.page(), w.backEnabled(), w.nextEnabled(), w.finishEnabled() };
    }
};

void PrintTo(const WizardFixture::State& s, std::ostream* os)
{
    *os << "page " << s.page << " back " << s.back << " next " << s.next << " finish " << s.finish;
}

} // namespace

TEST_F(WizardFixture, OpeningNeedsMapsAndHandsTheRotationAndSettingsOver)
{
    ServerProfile empty;
    EXPECT_FALSE(MapWizard::canOpen(empty, t.context));
    EXPECT_EQ(t.prompter.texts(),
        QStringList { "There are no maps in the list, please select at least one map        " });

    ASSERT_TRUE(MapWizard::canOpen(profile, t.context));
    MapWizard wizard(profile, t.context);
    EXPECT_EQ(wizard.mapList(), profile.rotation.rows) << "the map list comes from grid.dat";
    EXPECT_EQ(wizard.cycle().DMFlagSums, QStringList({ "dmflags 40", "dmflags 40" }));
    EXPECT_EQ(wizard.values().movement, QStringList({ "320", "150", "250", "6000", "800" }));
    EXPECT_EQ(wizard.values().limits, QStringList({ "20", "0", "0" }));
}

TEST_F(WizardFixture, PagesAndButtonsFollowTheTable)
{
    MapWizard::canOpen(profile, t.context);
    MapWizard wizard(profile, t.context);
    EXPECT_EQ(state(wizard), (State { 1, false, false, false }));
    wizard.mapListClicked();
    EXPECT_EQ(state(wizard), (State { 1, false, true, false }));
    EXPECT_EQ(wizard.press(B::Next, 1), R::Stay);
    EXPECT_EQ(state(wizard), (State { 2, true, true, false }));
    wizard.press(B::Next);
    EXPECT_EQ(state(wizard), (State { 3, true, true, true }));
    wizard.press(B::Back);
    EXPECT_EQ(state(wizard), (State { 2, true, true, false }));
    wizard.press(B::Back);
    EXPECT_EQ(state(wizard), (State { 1, false, true, false }));
    wizard.press(B::Next, 1 - 1);
    wizard.press(B::Next);
    wizard.press(B::Next);
    EXPECT_EQ(state(wizard), (State { 1, false, true, false }));

    wizard.press(B::Help);
    EXPECT_EQ(t.prompter.texts().last(), QStringLiteral("Help not available at this time        "));
    t.prompter.answer(Answer::No).answer(Answer::Yes);
    EXPECT_EQ(wizard.press(B::Cancel), R::Stay);
    EXPECT_EQ(wizard.press(B::Cancel), R::Closed);
    EXPECT_EQ(t.prompter.texts().last(), QStringLiteral("Exit Map Wizard?        "));
}

TEST_F(WizardFixture, PickingAMapTwiceAsksAndPagesStoreTheirValues)
{
    MapWizard::canOpen(profile, t.context);
    MapWizard wizard(profile, t.context);
    wizard.mapListClicked();
    wizard.press(B::Next, 0);
    wizard.values().gameType = 0;
    wizard.values().dmFlags = { false, true, false };
    wizard.values().limits = { "5", "10", "3" };
    wizard.press(B::Next);
    EXPECT_EQ(wizard.cycle().GameTypes[0], QStringLiteral("g_gametype 0"));
    EXPECT_EQ(wizard.cycle().DMFlagSums[0], QStringLiteral("dmflags 16"));
    EXPECT_EQ(wizard.cycle().FragLimits[0], QStringLiteral("fraglimit 5"));
    EXPECT_EQ(wizard.cycle().CaptureLimits[0], QStringLiteral("capturelimit 3"));
    wizard.values().movement = { "2", "1000", "30", "320", "600" };
    wizard.press(B::Next);
    EXPECT_EQ(wizard.cycle().QuadFactors[0], QStringLiteral("g_quadfactor 2"));

    t.prompter.answer(Answer::No);
    wizard.press(B::Next, 0);
    EXPECT_EQ(wizard.page(), 1) << "No keeps the wizard on its first page";
    EXPECT_EQ(t.prompter.boxes().last().text,
        QStringLiteral("This map has already been selected, continue?        \r\n"
                       "WARNING - All previous settings will be removed        "));
    t.prompter.answer(Answer::Yes);
    wizard.press(B::Next, 0);
    EXPECT_EQ(wizard.page(), 2);
    wizard.values().gameType = -1;
    wizard.press(B::Next);
    EXPECT_EQ(wizard.cycle().GameTypes[0], QStringLiteral("g_gametype 0"))
        << "no option chosen leaves the game type";
}

TEST_F(WizardFixture, FinishStoresThePageAndHandsOverTheCycleOrStaysOpen)
{
    MapWizard::canOpen(profile, t.context);
    MapWizard wizard(profile, t.context);
    wizard.mapListClicked();
    wizard.press(B::Next, 1);
    wizard.press(B::Next);
    wizard.values().movement = { "1", "2", "3", "4", "5" };

    t.prompter.choose(QString());
    EXPECT_EQ(wizard.press(B::Finish), R::Stay) << "a cancelled save dialog keeps the wizard open";
    EXPECT_EQ(wizard.cycle().Gravities[1], QStringLiteral("g_gravity 5")) << "Finish stored page 3 first";
    EXPECT_EQ(t.prompter.dialogs().last().title, QStringLiteral("Save Advanced Map Cycle"));
    EXPECT_EQ(t.prompter.dialogs().last().filter, QStringLiteral("Map Cycle (*.cfg)|*.cfg"));

    const QString path = t.mainFile(QStringLiteral("mycycle.cfg"));
    t.prompter.choose(path);
    EXPECT_EQ(wizard.press(B::Finish), R::Finished);
    EXPECT_EQ(wizard.cyclePath(), path);
    EXPECT_FALSE(QFileInfo::exists(path)) << "the caller writes the cycle";
    // Written as the window writes it.
    ASSERT_TRUE(gbln_MakeAdvancedCycle(path, wizard.cycle(), t.context));
    const QString body = readAnsiFile(path);
    EXPECT_TRUE(body.contains(
        QStringLiteral("set m2 \"set g_gametype 4;map mohdm1;seta g_speed 4;seta g_gravity 5;exec "
                       "2mycycle.cfg;wait;set nextmap vstr m1\r\n")))
        << body.toStdString();
    EXPECT_TRUE(body.contains(
        QStringLiteral("set m1 \"set g_gametype 4;map obj_team1;seta sv_maxvelocity 6000;seta g_gravity "
                       "800;exec 1mycycle.cfg;wait;set nextmap vstr m2\r\n")));
}
