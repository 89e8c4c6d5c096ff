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
        MapCatalogue catalogue;
        catalogue.append({ "Pak5.pk3", "obj_team1", "obj_team1", "", "objective" });
        catalogue.append({ "Pak5.pk3", "mohdm1", "mohdm1", "", "ffa team round" });
        catalogue.append({ "Maps1.pk3", "bunker", "bunker", "bunker", "ffa team round" });
        catalogue.append({ "maps1.pk3", "bridge", "bridge", "bridge", "objective" });
        page()->showCatalogue(catalogue);
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
    doubleClick(mapNode(QStringLiteral("bunker")));
    EXPECT_EQ(label("lblMapType"), QStringLiteral("ffa team round"));
    EXPECT_EQ(label("lblLongMapName"), QStringLiteral("bunker"));
    EXPECT_EQ(rows(), QStringList { "bunker|ffa team round|bunker" });
    EXPECT_EQ(label("lblMapsSelected"), QStringLiteral("1 Selected Maps"));

    doubleClick(mapNode(QStringLiteral("bunker")));
    EXPECT_EQ(grid()->rowCount(), 2) << "the same map twice gives two rows";

    doubleClick(mapNode(QStringLiteral("Maps1.pk3")));
    EXPECT_EQ(grid()->rowCount(), 2) << "an archive node adds nothing";
    EXPECT_TRUE(label("lblMapType").isEmpty());
    EXPECT_TRUE(label("lblLongMapName").isEmpty());
    doubleClick(mapNode(QStringLiteral("Medal of Honor")));
    EXPECT_EQ(grid()->rowCount(), 2);

    doubleClick(mapNode(QStringLiteral("obj_team1")));
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
    EXPECT_FALSE(marked(2)) << "setting row 2 then row 1 leaves only row 1 marked";
    EXPECT_TRUE(marked(1));
    EXPECT_FALSE(marked(0));

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
    EXPECT_EQ(label("lblMapsSelected"), QStringLiteral("2 Maps Selected"));

    t.prompter.answer(Answer::Yes);
    popup("ID_ClearList");
    EXPECT_EQ(grid()->rowCount(), 0);
    EXPECT_EQ(label("lblMapsSelected"), QStringLiteral("0 Maps Selected"));
}

TEST_F(MapsTabTest, SavedCycleButtonsAndLabel)
{
    auto* reset = find<QPushButton>(QStringLiteral("cmdResetCycle"));
    EXPECT_FALSE(reset->isEnabled());
    const QString cycle = t.mainFile(QStringLiteral("cycle.txt"));
    test::writeBytes(cycle, "x");
    t.prompter.choose(cycle);
    find<QPushButton>(QStringLiteral("cmdSelectMap"))->click();
    EXPECT_EQ(window.profile().rotation.savedCyclePath, cycle);
    EXPECT_TRUE(reset->isEnabled());
    EXPECT_TRUE(label("lblPathToSavedMapcycle").contains(QStringLiteral("cycle.txt")));
    t.prompter.answer(Answer::Yes);
    reset->click();
    EXPECT_TRUE(window.profile().rotation.savedCyclePath.isEmpty());
    EXPECT_FALSE(reset->isEnabled());
}
