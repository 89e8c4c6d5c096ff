#include "maps/RotationCommands.h"
#include "testkit/TestContext.h"

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
    const test::Boxes set { test::infoBox(QStringLiteral("bare has been set as the starting map        ")),
        test::infoBox(QStringLiteral("obj_team1 has been set as the starting map        ")),
        test::infoBox(QStringLiteral("custom has been set as the starting map        ")) };
    EXPECT_EQ(t.prompter.boxes(), set);

    commands.setStartingMap(-1);
    commands.setStartingMap(3);
    EXPECT_EQ(t.prompter.boxes(), set) << "no current row: nothing happens";
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

    commands.add(QStringLiteral("three"), QString(), QString());
    t.prompter.answer(Answer::No);
    commands.clearList();
    EXPECT_EQ(rotation.rows.size(), 1);
    t.prompter.answer(Answer::Yes);
    commands.clearList();
    EXPECT_TRUE(rotation.rows.isEmpty());
    EXPECT_TRUE(rotation.startingMap.isEmpty());
    EXPECT_EQ(commands.countText(), QStringLiteral("0 Maps Selected"));
    const MessageBox remove = test::question(QStringLiteral("Remove Selected Map?        "));
    const MessageBox clear = test::question(QStringLiteral("Clear Map List?        "));
    const MessageBox started = test::infoBox(QStringLiteral("two has been set as the starting map        "));
    EXPECT_EQ(t.prompter.boxes(), test::Boxes({ started, remove, remove, remove, remove, clear, clear }));
}

TEST_F(RotationFixture, SavedCycleOpenAndReset)
{
    t.prompter.choose(QString());
    commands.openCycle();
    EXPECT_TRUE(rotation.savedCyclePath.isEmpty()) << "a cancelled dialog keeps the path";
    const FileDialogRequest open { true, QStringLiteral("Open Map Cycle"),
        QStringLiteral("Map Cycle (*.txt)|*.txt"), t.context.mainPath, QString(), QString(), 0x1000u, 0 };
    EXPECT_EQ(t.prompter.dialogs(), test::Dialogs { open });

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
    commands.resetCycle();
    EXPECT_TRUE(rotation.savedCyclePath.isEmpty());
    const MessageBox reset = test::question(QStringLiteral("Clear selected map cycle?        "));
    EXPECT_EQ(t.prompter.boxes(), test::Boxes({ reset, reset }))
        << "a path whose file is gone is cleared without asking";
}
