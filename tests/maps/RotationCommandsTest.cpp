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
    commands.add(u"obj_team1"_s, u"objective"_s, QString());
    commands.add(u"custom"_s, u"Objective"_s, u"custom"_s);
    commands.add(u"bare"_s, QString(), QString());

    commands.setStartingMap(2);
    EXPECT_EQ(rotation.startingMap, u"Map dm/bare"_s);
    EXPECT_EQ(commands.markerRow(), 2);
    commands.setStartingMap(0);
    EXPECT_EQ(rotation.startingMap, u"Map obj/obj_team1"_s);
    EXPECT_EQ(commands.markerRow(), 0) << "only the last row set carries the marker";
    commands.setStartingMap(1);
    EXPECT_EQ(rotation.startingMap, u"Map dm/custom"_s) << "capital O is not objective";
    const test::Boxes set { test::infoBox(u"bare has been set as the starting map        "_s),
        test::infoBox(u"obj_team1 has been set as the starting map        "_s),
        test::infoBox(u"custom has been set as the starting map        "_s) };
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
    EXPECT_EQ(rotation.startingMap, u"Map dm/b"_s);
    EXPECT_EQ(rotation.markerTag, u"0"_s);
}

TEST_F(RotationFixture, RemoveAndClearAskFirst)
{
    commands.add(u"one"_s, QString(), QString());
    commands.add(u"two"_s, QString(), QString());
    commands.setStartingMap(1);

    t.prompter.answer(Answer::No);
    commands.removeMap(0);
    EXPECT_EQ(rotation.rows.size(), 2);
    t.prompter.answer(Answer::Yes);
    commands.removeMap(0);
    EXPECT_EQ(names(), QStringList({ "two" }));
    EXPECT_EQ(commands.countText(), u"1 Maps Selected"_s);
    EXPECT_EQ(rotation.startingMap, u"Map dm/two"_s) << "removing keeps the starting map";
    t.prompter.answer(Answer::Yes);
    commands.removeMap(0);
    EXPECT_EQ(commands.countText(), u"0 Maps Selected"_s);
    t.prompter.answer(Answer::Yes);
    commands.removeMap(0);

    commands.add(u"three"_s, QString(), QString());
    t.prompter.answer(Answer::No);
    commands.clearList();
    EXPECT_EQ(rotation.rows.size(), 1);
    t.prompter.answer(Answer::Yes);
    commands.clearList();
    EXPECT_TRUE(rotation.rows.isEmpty());
    EXPECT_TRUE(rotation.startingMap.isEmpty());
    EXPECT_EQ(commands.countText(), u"0 Maps Selected"_s);
    const MessageBox remove = test::question(u"Remove Selected Map?        "_s);
    const MessageBox clear = test::question(u"Clear Map List?        "_s);
    const MessageBox started = test::infoBox(u"two has been set as the starting map        "_s);
    EXPECT_EQ(t.prompter.boxes(), test::Boxes({ started, remove, remove, remove, remove, clear, clear }));
}

TEST_F(RotationFixture, SavedCycleOpenAndReset)
{
    t.prompter.choose(QString());
    commands.openCycle();
    EXPECT_TRUE(rotation.savedCyclePath.isEmpty()) << "a cancelled dialog keeps the path";
    const FileDialogRequest open { true, u"Open Map Cycle"_s, u"Map Cycle (*.txt)|*.txt"_s,
        t.context.mainPath, QString(), QString(), 0x1000u, 0 };
    EXPECT_EQ(t.prompter.dialogs(), test::Dialogs { open });

    const QString cycle = t.mainFile(u"cycle.txt"_s);
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

    rotation.savedCyclePath = t.mainFile(u"gone.txt"_s);
    commands.resetCycle();
    EXPECT_TRUE(rotation.savedCyclePath.isEmpty());
    const MessageBox reset = test::question(u"Clear selected map cycle?        "_s);
    EXPECT_EQ(t.prompter.boxes(), test::Boxes({ reset, reset }))
        << "a path whose file is gone is cleared without asking";
}
