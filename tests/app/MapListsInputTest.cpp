#include "WindowFixture.h"
#include "app/MapsPage.h"
#include "maps/MapCatalogue.h"

#include <QLineEdit>
#include <QMimeData>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

using namespace fw;

namespace {

// The keys and the mouse on the Maps tab's tree and rotation and on the Misc. Options lists.
class MapListsInputTest : public test::WindowFixture {
protected:
    void SetUp() override
    {
        MapCatalogue catalogue;
        catalogue.append({ "Pak5.pk3", "obj_team1", "obj_team1", "", "objective" });
        catalogue.append({ "Pak5.pk3", "mohdm1", "mohdm1", "", "ffa team round" });
        catalogue.append({ "Maps1.pk3", "bunker", "bunker", "Bunker Hill", "ffa team round" });
        catalogue.append({ "maps1.pk3", "bridge", "bridge", "bridge", "objective" });
        page()->showCatalogue(catalogue);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    MapsPage* page() { return window.mapsPage(); }
    QTreeWidget* tree() { return page()->tree(); }
    QTableWidget* rotation() { return page()->rotationGrid(); }
    QList<RotationRow> rows() { return window.profile().rotation.rows; }

    void press(QWidget* widget, Qt::Key key)
    {
        widget->setFocus();
        QTest::keyClick(widget, key);
    }
    void pressOnMap(const char* name, Qt::Key key)
    {
        tree()->setCurrentItem(mapNode(QString::fromLatin1(name)));
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
        QTreeWidgetItem* root = tree()->topLevelItem(0);
        for (int a = 0; a < root->childCount(); ++a) {
            shown.append(root->child(a)->text(0));
            for (int m = 0; m < root->child(a)->childCount(); ++m)
                shown.append(root->child(a)->child(m)->text(0));
        }
        return shown;
    }
};

const RotationRow kBunker { "bunker", "ffa team round", "Bunker Hill" };
const RotationRow kBridge { "bridge", "objective", "bridge" };
const RotationRow kMohdm1 { "mohdm1", "ffa team round", "" };

} // namespace

TEST_F(MapListsInputTest, EnterSpaceAndADropAddAMapAsADoubleClickDoes)
{
    pressOnMap("bunker", Qt::Key_Return);
    pressOnMap("bridge", Qt::Key_Space);
    ASSERT_EQ(rows(), QList<RotationRow>({ kBunker, kBridge }));
    EXPECT_EQ(rotation()->item(1, 1)->text(), QStringLiteral("objective"));

    pressOnMap("Maps1.pk3", Qt::Key_Enter);
    EXPECT_EQ(rows().size(), 2) << "an archive adds nothing";

    EXPECT_TRUE(dropOnRotation(mapNode(QStringLiteral("mohdm1"))));
    EXPECT_FALSE(dropOnRotation(mapNode(QStringLiteral("Pak5.pk3"))));
    EXPECT_EQ(rows(), QList<RotationRow>({ kBunker, kBridge, kMohdm1 }));
    EXPECT_NE(mapNode(QStringLiteral("mohdm1")), nullptr) << "the dragged map stays in the tree";
}

TEST_F(MapListsInputTest, DeleteOnASelectedRotationOrBanRowAsksThePopupsQuestion)
{
    window.model().edit(ProfileModel::Part::Rotation | ProfileModel::Part::Bans, [](ServerProfile& p) {
        p.rotation.rows = { kBunker, kBridge };
        p.bans.append({ QStringLiteral("01/02/2003"), QStringLiteral("10.1.1.1") });
    });
    press(rotation(), Qt::Key_Delete);
    EXPECT_TRUE(t.prompter.boxes().isEmpty()) << "no row selected, nothing asked";

    rotation()->selectRow(0);
    t.prompter.answer(Answer::No);
    press(rotation(), Qt::Key_Delete);
    EXPECT_EQ(rows().size(), 2);
    t.prompter.answer(Answer::Yes);
    press(rotation(), Qt::Key_Delete);
    EXPECT_EQ(rows(), QList<RotationRow>({ kBridge }));

    auto* bans = find<QTableWidget>(QStringLiteral("grdBanned"));
    bans->selectRow(0);
    t.prompter.answer(Answer::Yes);
    press(bans, Qt::Key_Delete);
    EXPECT_TRUE(window.profile().bans.isEmpty());
    EXPECT_EQ(t.prompter.texts(),
        QStringList({ "Remove Selected Map?        ", "Remove Selected Map?        ",
            "Remove Selected IP?        " }));
}

TEST_F(MapListsInputTest, ConfigurationGridKeysChooseAFileAndTabLeavesTheGrid)
{
    auto* configs = find<QTableWidget>(QStringLiteral("grdAdditionalCfg"));
    for (QWidget* w = configs; w; w = w->parentWidget()) {
        if (window.tabs()->indexOf(w) >= 0)
            window.tabs()->setCurrentWidget(w);
    }
    configs->setCurrentCell(3, 0);
    for (Qt::Key key : { Qt::Key_Return, Qt::Key_Space, Qt::Key_F2 }) {
        t.prompter.choose(QString());
        press(configs, key);
    }
    ASSERT_EQ(t.prompter.dialogs().size(), 3);
    EXPECT_EQ(t.prompter.dialogs().first().title, QStringLiteral("Select Medal of Honor Configuration"));

    press(configs, Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(focus && focus != configs && !configs->isAncestorOf(focus));
}

TEST_F(MapListsInputTest, RotationColumnsFitTheirTextAndEveryListSharesOneRowHeight)
{
    window.model().edit(ProfileModel::Part::Rotation | ProfileModel::Part::Bans, [](ServerProfile& p) {
        p.rotation.rows = { { "pack0000_0", "ffa team round", "" } };
        p.bans.append({ QStringLiteral("01/02/2003"), QStringLiteral("10.1.1.1") });
    });
    pressOnMap("obj_team1", Qt::Key_Return);
    for (int column : { 0, 1 }) {
        for (int row = 0; row < rotation()->rowCount(); ++row) {
            EXPECT_LE(rotation()->sizeHintForIndex(rotation()->model()->index(row, column)).width(),
                rotation()->columnWidth(column))
                << "row " << row << " column " << column;
        }
    }

    const int height = tree()->visualItemRect(mapNode(QStringLiteral("bunker"))).height();
    EXPECT_EQ(rotation()->rowHeight(0), height);
    EXPECT_EQ(find<QTableWidget>(QStringLiteral("grdBanned"))->rowHeight(0), height);
    EXPECT_EQ(find<QTableWidget>(QStringLiteral("grdAdditionalCfg"))->rowHeight(0), height);
}

TEST_F(MapListsInputTest, TheFilterNarrowsTheTreeAndNeverChangesWhatIsAdded)
{
    QLineEdit* filter = find<QLineEdit>(QStringLiteral("txtMapFilter"));
    ASSERT_NE(filter, nullptr);
    QTest::keyClicks(filter, QStringLiteral("HILL"));
    EXPECT_EQ(shownNodes(), QStringList({ "Maps1.pk3", "bunker" })) << "long names count";
    tree()->setCurrentItem(mapNode(QStringLiteral("bunker")));

    filter->setText(QStringLiteral("mohdm"));
    EXPECT_EQ(shownNodes(), QStringList({ "Pak5.pk3", "mohdm1" }));
    EXPECT_EQ(tree()->currentItem(), nullptr) << "the hidden map is no longer current";
    press(tree(), Qt::Key_Return);
    EXPECT_TRUE(rows().isEmpty()) << "Enter adds no hidden map";
    pressOnMap("mohdm1", Qt::Key_Return);
    EXPECT_EQ(rows(), QList<RotationRow>({ kMohdm1 }));

    filter->setText(QStringLiteral(" maps1 "));
    EXPECT_EQ(shownNodes(), QStringList({ "Maps1.pk3", "bunker", "bridge" }))
        << "an archive's name shows all of it";
    tree()->setCurrentItem(mapNode(QStringLiteral("bridge")));
    filter->clear();
    EXPECT_EQ(tree()->topLevelItem(0)->childCount(), 2);
    ASSERT_NE(tree()->currentItem(), nullptr);
    EXPECT_EQ(tree()->currentItem()->text(0), QStringLiteral("bridge")) << "the current map stays current";
    press(tree(), Qt::Key_Return);
    EXPECT_EQ(rows(), QList<RotationRow>({ kMohdm1, kBridge }));
}
