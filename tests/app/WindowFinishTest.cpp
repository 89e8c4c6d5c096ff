#include "WindowFixture.h"
#include "app/MapsPage.h"
#include "app/QtPrompter.h"
#include "profile/AppState.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cmath>

using namespace fw;

namespace {

class WindowFinishTest : public test::WindowFixture { };

} // namespace

namespace {

// What the file dialog shows when it opens: its folder and the name in its name field.
struct OpenedDialog {
    QString folder;
    QString name;
};

OpenedDialog openAndCancel(QtPrompter& prompter, const FileDialogRequest& request)
{
    OpenedDialog seen;
    QTimer::singleShot(0, [&seen] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen.folder = dialog->directory().absolutePath();
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            seen.name = name->text();
        dialog->reject();
    });
    EXPECT_EQ(prompter.chooseFile(request), QString());
    return seen;
}

} // namespace

TEST_F(WindowFinishTest, AMissingStartingFolderOpensTheNearestFolderWithAnEmptyName)
{
    const QString missing = t.context.dataDir + QStringLiteral("/Fortwright Configs/deeper");
    QtPrompter prompter;
    for (const bool open : { false, true }) {
        FileDialogRequest request;
        request.open = open;
        request.filter = QStringLiteral("Fortwright Configuration (*.ini)|*.ini");
        request.initialDir = missing;
        const OpenedDialog seen = openAndCancel(prompter, request);
        EXPECT_EQ(seen.folder, QDir(t.context.dataDir).absolutePath()) << open;
        EXPECT_EQ(seen.name, QString()) << open;
    }
    EXPECT_FALSE(QFileInfo::exists(t.context.dataDir + QStringLiteral("/Fortwright Configs")));
}

TEST_F(WindowFinishTest, TheCloseBoxIsLeftOffAndAnEndingSessionSavesWhatExitSaves)
{
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint)) << "without it a window manager ignores the hints";
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));

    window.Form_Load();
    window.move(120, 45);
    const QPoint where = window.pos();
    QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection);
    for (const char* file : { "Configs.dat", "Banned.dat", "msg.txt", "MOHAALib.atb" })
        EXPECT_TRUE(QFileInfo::exists(t.dataFile(QString::fromLatin1(file)))) << file;
    const AppState state(t.context.settingsStorePath);
    EXPECT_EQ(state.left(), where.x() * 15);
    EXPECT_EQ(state.top(), where.y() * 15);
}

TEST_F(WindowFinishTest, SaveLoadExitAndHelpHaveTheirKeysInTheMenus)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const struct {
        const char* id;
        const char* keys;
    } keyed[]
        = { { "id_UtilitiesConfigurationSave", "Ctrl+S" }, { "id_UtilitiesConfigurationLoad", "Ctrl+O" },
              { "id_FileExit", "Ctrl+Q" }, { "id_HelpContents", "F1" } };
    for (const auto& [id, keys] : keyed) {
        auto* action = find<QAction>(QString::fromLatin1(id));
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(keys))) << id;
        EXPECT_FALSE(action->associatedObjects().isEmpty()) << id << " is in a menu";
    }

    t.prompter.choose(QString()).choose(QString());
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(t.prompter.texts(),
        QStringList({ "Settings Saved        ", "Settings Loaded        ", "No help at this time        " }));
    EXPECT_EQ(t.prompter.dialogs().size(), 2);

    bool exited = false;
    QObject::connect(&window, &FrmMain::exitRequested, [&exited] { exited = true; });
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(exited);
}

TEST_F(WindowFinishTest, OnlyThePasswordsAreMaskedAndShowingOneKeepsItsValue)
{
    QStringList masked;
    for (QLineEdit* edit : window.findChildren<QLineEdit*>())
        if (edit->echoMode() != QLineEdit::Normal)
            masked.append(edit->objectName());
    masked.sort();
    EXPECT_EQ(masked,
        QStringList({ "txtAdministration_12", "txtAdministration_13", "txtAdministration_14",
            "txtAdministration_17" }));

    auto* rcon = find<QLineEdit>(QStringLiteral("txtAdministration_13"));
    QTest::keyClicks(rcon, "s3cret");
    auto* toggle = rcon->findChild<QAction*>(QStringLiteral("actShowPassword"));
    ASSERT_NE(toggle, nullptr);
    EXPECT_TRUE(rcon->actions().contains(toggle));
    toggle->trigger();
    EXPECT_EQ(rcon->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(rcon->text(), QStringLiteral("s3cret"));
    toggle->trigger();
    EXPECT_EQ(rcon->echoMode(), QLineEdit::Password);
    EXPECT_EQ(window.profile().text(SettingGroup::txtAdministration, 13), QStringLiteral("s3cret"));
}

TEST_F(WindowFinishTest, TheTitleNamesTheProfileAndMarksSettingsChangedSinceItsLoadOrSave)
{
    window.Form_Load();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Fortwright - Default[*]"));
    EXPECT_FALSE(window.isWindowModified());
    auto* host = find<QLineEdit>(QStringLiteral("txtAdministration_2"));
    QTest::keyClicks(host, "N");
    EXPECT_TRUE(window.isWindowModified());
    QTest::keyClick(host, Qt::Key_Backspace);
    EXPECT_FALSE(window.isWindowModified()) << "the same settings as loaded";

    QTest::keyClicks(host, "Night");
    const QString file = t.context.dataDir + QStringLiteral("/Night Games.ini");
    t.prompter.choose(QString());
    window.saveProfileAs();
    EXPECT_TRUE(window.isWindowModified()) << "a cancelled save keeps the mark";
    t.prompter.choose(file);
    window.saveProfileAs();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Fortwright - Night Games[*]"));
    EXPECT_FALSE(window.isWindowModified());

    host->clear();
    EXPECT_TRUE(window.isWindowModified());
    t.prompter.choose(file);
    window.loadProfileFrom();
    EXPECT_EQ(host->text(), QStringLiteral("Night"));
    EXPECT_FALSE(window.isWindowModified());
    window.Form_Unload();
}

namespace {

// WCAG 2 contrast of two colours, from 1 (none) to 21 (black on white).
double contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double x = luminance(a);
    const double y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QPalette palette(const char* window, const char* text, const char* base)
{
    QPalette p { QColor(QLatin1String(text)), QColor(QLatin1String(window)) };
    p.setColor(QPalette::Base, QColor(QLatin1String(base)));
    p.setColor(QPalette::Text, QColor(QLatin1String(text)));
    return p;
}

} // namespace

TEST_F(WindowFinishTest, TheWarningReadsOnLightAndDarkPalettes)
{
    const QPalette before = QApplication::palette();
    auto* warning = find<QLabel>(QStringLiteral("pnlIcon_2"));
    auto* header = find<QWidget>(QStringLiteral("pnlHeader"));
    auto* configs = find<QTableWidget>(QStringLiteral("grdAdditionalCfg"));
    window.model().edit(ProfileModel::Part::Configs, [](ServerProfile& profile) {
        profile.configs[0].name = QStringLiteral("gone.cfg");
        profile.configs[0].fullPath = QStringLiteral("/nonexistent/gone.cfg");
    });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const QPalette& p :
        { palette("#f0f0f0", "#000000", "#ffffff"), palette("#2d2d2d", "#e6e6e6", "#1e1e1e") }) {
        QApplication::setPalette(p);
        QApplication::processEvents();
        // The text as drawn on the strip: of a bold line, the pixel that stands out most is its colour.
        const QImage drawn = header->grab(warning->geometry()).toImage();
        const QColor background = header->palette().color(QPalette::Window);
        QColor text = background;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (contrast(drawn.pixelColor(x, y), background) > contrast(text, background))
                    text = drawn.pixelColor(x, y);
        EXPECT_GE(contrast(text, background), 4.5)
            << text.name().toStdString() << " on " << background.name().toStdString();
        EXPECT_GT(text.red(), text.green() + 40) << "the warning stays red";
        const QColor missing = configs->item(0, 2)->foreground().color();
        EXPECT_GE(contrast(missing, configs->palette().color(QPalette::Base)), 4.5)
            << missing.name().toStdString();
    }
    QApplication::setPalette(before);
}

TEST_F(WindowFinishTest, TheWindowFitsASmallScreenAndItsPagesScroll)
{
    window.Form_Load();
    window.show();
    const QRect area = window.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window.frameGeometry()))
        << "window " << window.frameGeometry().width() << "x" << window.frameGeometry().height();
    // 1280x1024 at a scale of 1.5, less a title bar.
    EXPECT_LE(window.minimumSizeHint().width(), 853);
    EXPECT_LE(window.minimumSizeHint().height(), 640);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(window.rect().contains(window.button(i)->geometry().translated(
            window.button(i)->parentWidget()->mapTo(&window, QPoint()))))
            << i;
    for (int i = 0; i < window.tabs()->count(); ++i) {
        // The lists of the Maps tab scroll on their own.
        if (window.tabs()->widget(i) != window.mapsPage()) {
            EXPECT_NE(qobject_cast<QScrollArea*>(window.tabs()->widget(i)), nullptr) << i;
        }
    }
    window.Form_Unload();
}
