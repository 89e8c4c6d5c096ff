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
        profile.setValue(G::chkDMFlags, 0, u"1"_s);
        profile.setValue(G::chkDMFlags, 2, u"1"_s);
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
    EXPECT_EQ(t.prompter.texts().last(), u"Help not available at this time        "_s);
    t.prompter.answer(Answer::No).answer(Answer::Yes);
    EXPECT_EQ(wizard.press(B::Cancel), R::Stay);
    EXPECT_EQ(wizard.press(B::Cancel), R::Closed);
    EXPECT_EQ(t.prompter.texts().last(), u"Exit Map Wizard?        "_s);
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
    const auto& cycle = wizard.cycle();
    EXPECT_EQ(
        QStringList({ cycle.GameTypes[0], cycle.DMFlagSums[0], cycle.FragLimits[0], cycle.CaptureLimits[0] }),
        QStringList({ "g_gametype 0", "dmflags 16", "fraglimit 5", "capturelimit 3" }));
    wizard.values().movement = { "2", "1000", "30", "320", "600" };
    wizard.press(B::Next);
    EXPECT_EQ(cycle.QuadFactors[0], u"g_quadfactor 2"_s);

    t.prompter.answer(Answer::No);
    wizard.press(B::Next, 0);
    EXPECT_EQ(wizard.page(), 1) << "No keeps the wizard on its first page";
    EXPECT_EQ(t.prompter.boxes().last().text,
        u"This map has already been selected, continue?        \r\n"
        "WARNING - All previous settings will be removed        "_s);
    t.prompter.answer(Answer::Yes);
    wizard.press(B::Next, 0);
    EXPECT_EQ(wizard.page(), 2);
    wizard.values().gameType = -1;
    wizard.press(B::Next);
    EXPECT_EQ(cycle.GameTypes[0], u"g_gametype 0"_s) << "no option chosen leaves the game type";
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
    EXPECT_EQ(wizard.cycle().Gravities[1], u"g_gravity 5"_s) << "Finish stored page 3 first";
    EXPECT_EQ(t.prompter.dialogs().last().title, u"Save Advanced Map Cycle"_s);
    EXPECT_EQ(t.prompter.dialogs().last().filter, u"Map Cycle (*.cfg)|*.cfg"_s);

    const QString path = t.mainFile(u"mycycle.cfg"_s);
    t.prompter.choose(path);
    EXPECT_EQ(wizard.press(B::Finish), R::Finished);
    EXPECT_EQ(wizard.cyclePath(), path);
    EXPECT_FALSE(QFileInfo::exists(path)) << "the caller writes the cycle";
    // Written as the window writes it.
    ASSERT_TRUE(gbln_MakeAdvancedCycle(path, wizard.cycle(), t.context));
    const QString body = readAnsiFile(path);
    EXPECT_TRUE(body.contains(u"set m2 \"set g_gametype 4;map mohdm1;seta g_speed 4;seta g_gravity 5;exec "
                              "2mycycle.cfg;wait;set nextmap vstr m1\r\n"_s))
        << body.toStdString();
    EXPECT_TRUE(
        body.contains(u"set m1 \"set g_gametype 4;map obj_team1;seta sv_maxvelocity 6000;seta g_gravity "
                      "800;exec 1mycycle.cfg;wait;set nextmap vstr m2\r\n"_s));
}
