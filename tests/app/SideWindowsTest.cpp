#include "WindowFixture.h"
#include "app/FrmMapPreview.h"
#include "app/FrmScanner.h"
#include "app/MapsPage.h"
#include "profile/AppState.h"

#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QToolBar>

namespace {

class SideWindowsTest : public test::WindowFixture {
protected:
    void SetUp() override
    {
        // A map list keeps the load from asking for a first scan.
        test::writeBytes(t.dataFile(u"Main.efr"_s), "maps1.pk3,bunker,bunker,The Bunker,objective\r\n");
    }
};

} // namespace

TEST_F(SideWindowsTest, ToolbarLayoutAndPositionAreKeptAtUnloadAndOnlyTheLayoutComesBack)
{
    window.Form_Load();
    auto* bar = find<QToolBar>(u"tbrMain"_s);
    window.addToolBar(Qt::LeftToolBarArea, bar);
    window.move(150, 90);
    const QPoint left = window.pos();
    window.Form_Unload();
    EXPECT_TRUE(QFileInfo::exists(t.dataFile(u"MOHAALib.atb"_s)));
    const AppState state(t.context.settingsStorePath);
    EXPECT_EQ(QPoint(state.left(), state.top()), left * 15) << "twips, 15 to the pixel";

    FrmMain next(t.context);
    EXPECT_EQ(next.toolBarArea(next.findChild<QToolBar*>(u"tbrMain"_s)), Qt::TopToolBarArea)
        << "before its load the window has the built-in layout";
    next.Form_Load();
    EXPECT_EQ(next.toolBarArea(next.findChild<QToolBar*>(u"tbrMain"_s)), Qt::LeftToolBarArea);
    const QRect area = next.screen()->availableGeometry();
    EXPECT_EQ(next.pos(),
        QPoint(area.x() + (area.width() - next.frameGeometry().width()) / 2,
            area.y() + (area.height() - next.frameGeometry().height()) / 2))
        << "the stored position is not applied: the window opens centred";
    next.Form_Unload();
}

TEST_F(SideWindowsTest, ThePreviewFollowsTheClickedMapAndClosingOnlyHidesItUntilUnload)
{
    window.Form_Load();
    FrmMapPreview* preview = window.mapPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(preview->isVisible()) << "loaded hidden";
    QTreeWidgetItem* bunker = mapNode(u"bunker"_s);
    ASSERT_NE(bunker, nullptr);
    emit window.mapsPage()->tree()->itemClicked(bunker, 0);
    EXPECT_EQ(preview->mapText(), u"The Bunker"_s);
    emit window.mapsPage()->tree()->itemClicked(bunker->parent(), 0);
    EXPECT_EQ(preview->mapText(), QString()) << "a folder node has no long name";

    preview->setMapText(u"kept"_s);
    preview->show();
    EXPECT_FALSE(preview->close()) << "the user's close is refused";
    EXPECT_FALSE(preview->isVisible()) << "and hides the window instead";
    EXPECT_EQ(preview->mapText(), u"kept"_s);
    window.Form_Unload();
    preview->show();
    EXPECT_TRUE(preview->close()) << "after the unload a close is a close";
}

TEST_F(SideWindowsTest, TheScanWindowShowsTheFileAndABarThatCannotBeLeftHalfWay)
{
    FrmScanner scanner;
    auto* file = scanner.findChild<QLabel*>(u"lblCurrentFile"_s);
    auto* bar = scanner.findChild<QProgressBar*>(u"prgScan"_s);
    ASSERT_TRUE(file && bar);
    file->setText(u"left from before"_s);
    scanner.show();
    EXPECT_EQ(scanner.windowTitle(), u"Scanning..."_s);
    EXPECT_EQ(file->text(), QString()) << "each scan starts with an empty file line";
    EXPECT_EQ(scanner.cursor().shape(), Qt::WaitCursor);

    scanner.setMaximum(0);
    EXPECT_EQ(bar->maximum(), 1) << "an empty folder still gets a bar that can fill";
    scanner.setMaximum(3);
    scanner.setValue(2);
    scanner.setCurrentFile(u"Scanning b.pk3 ...."_s);
    EXPECT_EQ(std::pair(bar->value(), file->text()), std::pair(2, u"Scanning b.pk3 ...."_s));
    scanner.setValue(7);
    EXPECT_EQ(bar->value(), 3) << "kept within the bar";

    EXPECT_FALSE(scanner.close());
    QTest::keyClick(&scanner, Qt::Key_Escape);
    EXPECT_TRUE(scanner.isVisible()) << "neither a close nor Escape ends a scan";
    scanner.hide();
    EXPECT_EQ(scanner.cursor().shape(), Qt::ArrowCursor) << "the wait cursor goes with the window";
}
