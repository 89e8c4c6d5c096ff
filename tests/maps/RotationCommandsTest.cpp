#include "maps/RotationCommands.h"
#include "testkit/TestContext.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

struct RotationFixture : ::testing::Test {
    test::TestContext t;
    MapRotation rotation;
    RotationCommands commands { rotation, t.context };

    QStringList names() const
    {
        QStringList out;
        for (const RotationRow& row : rotation.rows)
            out.append(row.mapName);
        return out;
    }
};

} // namespace

TEST_F(RotationFixture, StartingMapFollowsTheExactObjectiveRule)
{
    commands.add(QStringLiteral("obj_team1"), QStringLiteral("objective"), QString());
    commands.add(QStringLiteral("custom"), QStringLiteral("Objective"), QStringLiteral("custom"));
    commands.add(QStringLiteral("bare"), QString(), QString());

    commands.setStartingMap(2);
    EXPECT_EQ(rotation.startingMap, QStringLiteral("Map dm/bare"));
    EXPECT_EQ(commands.markerRow(), 2);
    commands.setStartingMap(0);
    EXPECT_EQ(rotation.startingMap, QStringLiteral("Map obj/obj_team1"));
    EXPECT_EQ(commands.markerRow(), 0) << "only the last row set carries the marker";
    commands.setStartingMap(1);
    EXPECT_EQ(rotation.startingMap, QStringLiteral("Map dm/custom")) << "capital O is not objective";
    ASSERT_EQ(t.prompter.boxes().size(), 3);
    EXPECT_EQ(t.prompter.boxes()[0].text, QStringLiteral("bare has been set as the starting map        "));
    EXPECT_EQ(t.prompter.boxes()[0].icon, MessageIcon::Information);

    commands.setStartingMap(-1);
    commands.setStartingMap(3);
    EXPECT_EQ(t.prompter.boxes().size(), 3) << "no current row: nothing happens";
}

TEST_F(RotationFixture, SortIsCaseSensitiveAndKeepsTheStartingMap)
{
    for (const char* name : { "b", "a", "C", "B" })
        commands.add(QString::fromLatin1(name), QString(), QString());
    commands.setStartingMap(0);
    commands.sort(0, true);
    EXPECT_EQ(names(), QStringList({ "B", "C", "a", "b" }));
    commands.sort(0, false);
    EXPECT_EQ(names(), QStringList({ "b", "a", "C", "B" }));
    EXPECT_EQ(rotation.startingMap, QStringLiteral("Map dm/b"));
    EXPECT_EQ(rotation.markerTag, QStringLiteral("0"));
}

TEST_F(RotationFixture, RemoveAndClearAskFirst)
{
    commands.add(QStringLiteral("one"), QString(), QString());
    commands.add(QStringLiteral("two"), QString(), QString());
    commands.setStartingMap(1);

    t.prompter.answer(Answer::No);
    commands.removeMap(0);
    EXPECT_EQ(rotation.rows.size(), 2);
    t.prompter.answer(Answer::Yes);
    commands.removeMap(0);
    EXPECT_EQ(names(), QStringList({ "two" }));
    EXPECT_EQ(commands.countText(), QStringLiteral("1 Maps Selected"));
    EXPECT_EQ(rotation.startingMap, QStringLiteral("Map dm/two")) << "removing keeps the starting map";
    t.prompter.answer(Answer::Yes);
    commands.removeMap(0);
    EXPECT_EQ(commands.countText(), QStringLiteral("0 Maps Selected"));
    t.prompter.answer(Answer::Yes);
    commands.removeMap(0);
    EXPECT_EQ(t.prompter.boxes().last().text, QStringLiteral("Remove Selected Map?        "));

    commands.add(QStringLiteral("three"), QString(), QString());
    t.prompter.answer(Answer::No);
    commands.clearList();
    EXPECT_EQ(rotation.rows.size(), 1);
    t.prompter.answer(Answer::Yes);
    commands.clearList();
    EXPECT_TRUE(rotation.rows.isEmpty());
    EXPECT_TRUE(rotation.startingMap.isEmpty());
    EXPECT_EQ(commands.countText(), QStringLiteral("0 Maps Selected"));
    EXPECT_EQ(t.prompter.boxes().last().text, QStringLiteral("Clear Map List?        "));
}

TEST_F(RotationFixture, SavedCycleOpenAndReset)
{
    t.prompter.choose(QString());
    commands.openCycle();
    EXPECT_TRUE(rotation.savedCyclePath.isEmpty()) << "a cancelled dialog keeps the path";
    EXPECT_EQ(t.prompter.dialogs()[0].title, QStringLiteral("Open Map Cycle"));
    EXPECT_EQ(t.prompter.dialogs()[0].filter, QStringLiteral("Map Cycle (*.txt)|*.txt"));
    EXPECT_EQ(t.prompter.dialogs()[0].initialDir, t.context.mainPath);

    const QString cycle = t.mainFile(QStringLiteral("cycle.txt"));
    test::writeBytes(cycle, "x");
    t.prompter.choose(cycle);
    commands.openCycle();
    EXPECT_EQ(rotation.savedCyclePath, cycle);
    EXPECT_TRUE(commands.canResetCycle());

    t.prompter.answer(Answer::No);
    commands.resetCycle();
    EXPECT_EQ(rotation.savedCyclePath, cycle);
    t.prompter.answer(Answer::Yes);
    commands.resetCycle();
    EXPECT_TRUE(rotation.savedCyclePath.isEmpty());
    EXPECT_FALSE(commands.canResetCycle());

    rotation.savedCyclePath = t.mainFile(QStringLiteral("gone.txt"));
    const auto boxes = t.prompter.boxes().size();
    commands.resetCycle();
    EXPECT_TRUE(rotation.savedCyclePath.isEmpty());
    EXPECT_EQ(t.prompter.boxes().size(), boxes) << "a path whose file is gone is cleared without asking";
}
