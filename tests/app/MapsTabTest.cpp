#include "WindowFixture.h"
#include "app/MapsPage.h"
#include "maps/MapCatalogue.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

class MapsTabTest : public test::WindowFixture {
protected:
    void SetUp() override
    {
        page()->showCatalogue(MapCatalogue({ { "Pak5.pk3", "obj_team1", "obj_team1", "", "objective" },
            { "Pak5.pk3", "mohdm1", "mohdm1", "", "ffa team round" },
            { "Maps1.pk3", "bunker", "bunker", "bunker", "ffa team round" },
            { "maps1.pk3", "bridge", "bridge", "bridge", "objective" } }));
        window.show();
        window.tabs()->setCurrentWidget(page());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    MapsPage* page() { return window.mapsPage(); }
    QTreeWidget* tree() { return page()->tree(); }
    QTableWidget* grid() { return page()->rotationGrid(); }
    QString label(const char* name) { return find<QLabel>(QString::fromLatin1(name))->text(); }
    // Chooses an entry of the rotation's pop-up menu.
    void popup(const char* id) { find<QAction>(QString::fromLatin1(id))->trigger(); }

    // Each row of the rotation as "map|game types|long name".
    QStringList rows()
    {
        QStringList shown;
        for (int row = 0; row < grid()->rowCount(); ++row)
            shown.append(QStringList {
                grid()->item(row, 0)->text(), grid()->item(row, 1)->text(), grid()->item(row, 2)->text() }
                             .join(u'|'));
        return shown;
    }
    // A click followed by a double-click, as the mouse delivers them.
    void doubleClick(QTreeWidgetItem* item)
    {
        for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
            parent->setExpanded(true);
        tree()->scrollToItem(item);
        const QRect rect = tree()->visualItemRect(item);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

} // namespace

TEST_F(MapsTabTest, ClickShowsTheMapAndDoubleClickAddsIt)
{
    doubleClick(mapNode(u"bunker"_s));
    EXPECT_EQ(QStringList({ label("lblMapType"), label("lblLongMapName") }),
        QStringList({ "ffa team round", "bunker" }));
    EXPECT_EQ(rows(), QStringList { "bunker|ffa team round|bunker" });
    EXPECT_EQ(label("lblMapsSelected"), u"1 Selected Maps"_s);

    doubleClick(mapNode(u"bunker"_s));
    EXPECT_EQ(grid()->rowCount(), 2) << "the same map twice gives two rows";

    doubleClick(mapNode(u"Maps1.pk3"_s));
    EXPECT_EQ(grid()->rowCount(), 2) << "an archive node adds nothing";
    EXPECT_EQ(label("lblMapType") + label("lblLongMapName"), QString());
    doubleClick(mapNode(u"Medal of Honor"_s));
    EXPECT_EQ(grid()->rowCount(), 2);

    doubleClick(mapNode(u"obj_team1"_s));
    EXPECT_EQ(window.profile().rotation.rows.last(), (RotationRow { "obj_team1", "objective", "" }));
}

TEST_F(MapsTabTest, StartingMapMarkerSortRemoveAndClear)
{
    for (const char* name : { "mohdm1", "obj_team1", "bunker" })
        doubleClick(mapNode(QString::fromLatin1(name)));
    auto marked = [this](int row) { return grid()->item(row, 0)->data(kStartingMarkerRole).toBool(); };
    grid()->setCurrentCell(2, 0);
    popup("ID_SetStartingMap");
    grid()->setCurrentCell(1, 0);
    popup("ID_SetStartingMap");
    // Which map line that sets, and its box, are the rotation commands' own test.
    EXPECT_EQ(QList<bool>({ marked(0), marked(1), marked(2) }), QList<bool>({ false, true, false }))
        << "setting row 2 then row 1 leaves only row 1 marked";

    grid()->setCurrentCell(0, 0);
    popup("ID_SortDescending");
    EXPECT_EQ(rows(),
        QStringList({ "obj_team1|objective|", "mohdm1|ffa team round|", "bunker|ffa team round|bunker" }));
    popup("ID_SortAscending");
    EXPECT_EQ(rows(),
        QStringList({ "bunker|ffa team round|bunker", "mohdm1|ffa team round|", "obj_team1|objective|" }));

    t.prompter.answer(Answer::Yes);
    grid()->setCurrentCell(0, 0);
    popup("ID_RemoveMap");
    EXPECT_EQ(grid()->rowCount(), 2);
    EXPECT_EQ(label("lblMapsSelected"), u"2 Maps Selected"_s);

    t.prompter.answer(Answer::Yes);
    popup("ID_ClearList");
    EXPECT_EQ(grid()->rowCount(), 0);
    EXPECT_EQ(label("lblMapsSelected"), u"0 Maps Selected"_s);
}

TEST_F(MapsTabTest, SavedCycleButtonsAndLabel)
{
    auto* reset = find<QPushButton>(u"cmdResetCycle"_s);
    EXPECT_FALSE(reset->isEnabled());
    const QString cycle = t.mainFile(u"cycle.txt"_s);
    test::writeBytes(cycle, "x");
    t.prompter.choose(cycle);
    find<QPushButton>(u"cmdSelectMap"_s)->click();
    EXPECT_EQ(window.profile().rotation.savedCyclePath, cycle);
    EXPECT_TRUE(reset->isEnabled());
    EXPECT_TRUE(label("lblPathToSavedMapcycle").contains(u"cycle.txt"_s));
    t.prompter.answer(Answer::Yes);
    reset->click();
    EXPECT_TRUE(window.profile().rotation.savedCyclePath.isEmpty());
    EXPECT_FALSE(reset->isEnabled());
}
