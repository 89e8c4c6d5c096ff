#include "WindowFixture.h"
#include "app/MapsPage.h"
#include "maps/MapCatalogue.h"
#include "testkit/ScriptedPrompter.h"

#include <QLineEdit>
#include <QMimeData>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

// The keys and the mouse on the Maps tab's tree and rotation and on the Misc. Options lists.
class MapListsInputTest : public test::WindowFixture {
protected:
    void SetUp() override
    {
        window.mapsPage()->showCatalogue(
            MapCatalogue({ { "Pak5.pk3", "obj_team1", "obj_team1", "", "objective" },
                { "Pak5.pk3", "mohdm1", "mohdm1", "", "ffa team round" },
                { "Maps1.pk3", "bunker", "bunker", "Bunker Hill", "ffa team round" },
                { "maps1.pk3", "bridge", "bridge", "bridge", "objective" } }));
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QTreeWidget* tree() { return window.mapsPage()->tree(); }
    QTableWidget* rotation() { return window.mapsPage()->rotationGrid(); }
    QList<RotationRow> rows() { return window.profile().rotation.rows; }
    QTableWidget* grid(const QString& name) { return find<QTableWidget>(name); }

    void press(QWidget* widget, Qt::Key key)
    {
        widget->setFocus();
        QTest::keyClick(widget, key);
    }
    void pressOnMap(const QString& name, Qt::Key key)
    {
        tree()->setCurrentItem(mapNode(name));
        press(tree(), key);
    }
    // Drags a node of the tree over the rotation and drops it there; whether the rotation took it.
    bool dropOnRotation(QTreeWidgetItem* node)
    {
        tree()->setCurrentItem(node);
        std::unique_ptr<QMimeData> data(tree()->model()->mimeData({ tree()->currentIndex() }));
        QWidget* target = rotation()->viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        // A move would take the node out of the tree.
        return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
    }
    // The texts of the tree's archive and map nodes, in tree order.
    QStringList shownNodes()
    {
        QStringList shown;
        QTreeWidgetItemIterator it(tree());
        while (*++it)
            shown.append((*it)->text(0));
        return shown;
    }
};

const RotationRow kBunker { "bunker", "ffa team round", "Bunker Hill" };
const RotationRow kBridge { "bridge", "objective", "bridge" };
const RotationRow kMohdm1 { "mohdm1", "ffa team round", "" };

} // namespace

TEST_F(MapListsInputTest, EnterSpaceAndADropAddAMapAsADoubleClickDoes)
{
    pressOnMap(u"bunker"_s, Qt::Key_Return);
    pressOnMap(u"bridge"_s, Qt::Key_Space);
    ASSERT_EQ(rows(), QList<RotationRow>({ kBunker, kBridge }));
    EXPECT_EQ(rotation()->item(1, 1)->text(), u"objective"_s);

    pressOnMap(u"Maps1.pk3"_s, Qt::Key_Enter);
    EXPECT_EQ(rows().size(), 2) << "an archive adds nothing";

    EXPECT_TRUE(dropOnRotation(mapNode(u"mohdm1"_s)));
    EXPECT_FALSE(dropOnRotation(mapNode(u"Pak5.pk3"_s)));
    EXPECT_EQ(rows(), QList<RotationRow>({ kBunker, kBridge, kMohdm1 }));
    EXPECT_NE(mapNode(u"mohdm1"_s), nullptr) << "the dragged map stays in the tree";
}

TEST_F(MapListsInputTest, DeleteOnASelectedRotationOrBanRowAsksThePopupsQuestion)
{
    window.model().edit(ProfileModel::Part::Rotation | ProfileModel::Part::Bans, [](ServerProfile& p) {
        p.rotation.rows = { kBunker, kBridge };
        p.bans.append({ u"01/02/2003"_s, u"10.1.1.1"_s });
    });
    press(rotation(), Qt::Key_Delete);
    EXPECT_EQ(t.prompter.boxes(), test::Boxes()) << "no row selected, nothing asked";

    rotation()->selectRow(0);
    t.prompter.answer(Answer::No).answer(Answer::Yes).answer(Answer::Yes);
    press(rotation(), Qt::Key_Delete);
    EXPECT_EQ(rows().size(), 2);
    press(rotation(), Qt::Key_Delete);
    EXPECT_EQ(rows(), QList<RotationRow>({ kBridge }));

    grid(u"grdBanned"_s)->selectRow(0);
    press(grid(u"grdBanned"_s), Qt::Key_Delete);
    EXPECT_TRUE(window.profile().bans.isEmpty());
    EXPECT_EQ(t.prompter.boxes(),
        test::Boxes({ test::question(u"Remove Selected Map?        "_s),
            test::question(u"Remove Selected Map?        "_s),
            test::question(u"Remove Selected IP?        "_s) }));
}

TEST_F(MapListsInputTest, ConfigurationGridKeysChooseAFileAndTabLeavesTheGrid)
{
    auto* configs = grid(u"grdAdditionalCfg"_s);
    for (QWidget* w = configs; w; w = w->parentWidget())
        if (window.tabs()->indexOf(w) >= 0)
            window.tabs()->setCurrentWidget(w);
    configs->setCurrentCell(3, 0);
    for (Qt::Key key : { Qt::Key_Return, Qt::Key_Space, Qt::Key_F2 }) {
        t.prompter.choose(QString());
        press(configs, key);
    }
    ASSERT_EQ(t.prompter.dialogs().size(), 3);
    EXPECT_EQ(t.prompter.dialogs().first().title, u"Select Medal of Honor Configuration"_s);

    press(configs, Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(focus && focus != configs && !configs->isAncestorOf(focus));
}

TEST_F(MapListsInputTest, RotationColumnsFitTheirTextAndEveryListSharesOneRowHeight)
{
    window.model().edit(ProfileModel::Part::Rotation | ProfileModel::Part::Bans, [](ServerProfile& p) {
        p.rotation.rows = { { "pack0000_0", "ffa team round", "" } };
        p.bans.append({ u"01/02/2003"_s, u"10.1.1.1"_s });
    });
    pressOnMap(u"obj_team1"_s, Qt::Key_Return);
    for (int column : { 0, 1 })
        for (int row = 0; row < rotation()->rowCount(); ++row)
            EXPECT_LE(rotation()->sizeHintForIndex(rotation()->model()->index(row, column)).width(),
                rotation()->columnWidth(column))
                << "row " << row << " column " << column;

    const int height = tree()->visualItemRect(mapNode(u"bunker"_s)).height();
    for (QTableWidget* list : { rotation(), grid(u"grdBanned"_s), grid(u"grdAdditionalCfg"_s) })
        EXPECT_EQ(list->rowHeight(0), height) << list->objectName().toStdString();
}

TEST_F(MapListsInputTest, TheFilterNarrowsTheTreeAndNeverChangesWhatIsAdded)
{
    QLineEdit* filter = find<QLineEdit>(u"txtMapFilter"_s);
    ASSERT_NE(filter, nullptr);
    QTest::keyClicks(filter, u"HILL"_s);
    EXPECT_EQ(shownNodes(), QStringList({ "Maps1.pk3", "bunker" })) << "long names count";
    tree()->setCurrentItem(mapNode(u"bunker"_s));

    filter->setText(u"mohdm"_s);
    EXPECT_EQ(shownNodes(), QStringList({ "Pak5.pk3", "mohdm1" }));
    EXPECT_EQ(tree()->currentItem(), nullptr) << "the hidden map is no longer current";
    press(tree(), Qt::Key_Return);
    EXPECT_TRUE(rows().isEmpty()) << "Enter adds no hidden map";
    pressOnMap(u"mohdm1"_s, Qt::Key_Return);
    EXPECT_EQ(rows(), QList<RotationRow>({ kMohdm1 }));

    filter->setText(u" maps1 "_s);
    EXPECT_EQ(shownNodes(), QStringList({ "Maps1.pk3", "bunker", "bridge" }))
        << "an archive's name shows all of it";
    tree()->setCurrentItem(mapNode(u"bridge"_s));
    filter->clear();
    EXPECT_EQ(tree()->topLevelItem(0)->childCount(), 2);
    ASSERT_NE(tree()->currentItem(), nullptr);
    EXPECT_EQ(tree()->currentItem()->text(0), u"bridge"_s) << "the current map stays current";
    press(tree(), Qt::Key_Return);
    EXPECT_EQ(rows(), QList<RotationRow>({ kMohdm1, kBridge }));
}
