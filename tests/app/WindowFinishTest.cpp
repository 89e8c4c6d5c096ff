#include "WindowFixture.h"
#include "app/MapsPage.h"
#include "app/QtPrompter.h"
#include "profile/AppState.h"
#include "testkit/ScriptedPrompter.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cmath>

using WindowFinishTest = test::WindowFixture;

namespace {

// What the file dialog shows when it opens: its folder, then the text of its name field.
QStringList openAndCancel(QtPrompter& prompter, const FileDialogRequest& request)
{
    QStringList seen { QString(), QString() };
    QTimer::singleShot(0, [&seen] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen[0] = dialog->directory().absolutePath();
        if (auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s))
            seen[1] = name->text();
        dialog->reject();
    });
    EXPECT_EQ(prompter.chooseFile(request), QString());
    return seen;
}

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

TEST_F(WindowFinishTest, AMissingStartingFolderOpensTheNearestFolderWithAnEmptyName)
{
    QtPrompter prompter;
    for (const bool open : { false, true }) {
        FileDialogRequest request;
        request.open = open;
        request.filter = u"Fortwright Configuration (*.ini)|*.ini"_s;
        request.initialDir = t.context.dataDir + u"/Fortwright Configs/deeper"_s;
        EXPECT_EQ(openAndCancel(prompter, request),
            QStringList({ QDir(t.context.dataDir).absolutePath(), QString() }))
            << open;
    }
    EXPECT_FALSE(QFileInfo::exists(t.context.dataDir + u"/Fortwright Configs"_s));
}

TEST_F(WindowFinishTest, TheCloseBoxIsLeftOffAndAnEndingSessionSavesWhatExitSaves)
{
    // Without CustomizeWindowHint a window manager ignores the other hints.
    const Qt::WindowFlags hints
        = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint;
    EXPECT_EQ((window.windowFlags() & (hints | Qt::WindowCloseButtonHint)).toInt(), hints.toInt());

    window.Form_Load();
    window.move(120, 45);
    const QPoint where = window.pos();
    QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection);
    for (const QString& file : { u"Configs.dat"_s, u"Banned.dat"_s, u"msg.txt"_s, u"MOHAALib.atb"_s })
        EXPECT_TRUE(QFileInfo::exists(t.dataFile(file))) << file.toStdString();
    const AppState state(t.context.settingsStorePath);
    EXPECT_EQ(QPoint(state.left(), state.top()), where * 15);
}

TEST_F(WindowFinishTest, SaveLoadExitAndHelpHaveTheirKeysInTheMenus)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QPair<QString, QString> keyed[] = { { u"id_UtilitiesConfigurationSave"_s, u"Ctrl+S"_s },
        { u"id_UtilitiesConfigurationLoad"_s, u"Ctrl+O"_s }, { u"id_FileExit"_s, u"Ctrl+Q"_s },
        { u"id_HelpContents"_s, u"F1"_s } };
    for (const auto& [id, keys] : keyed) {
        SCOPED_TRACE(id.toStdString());
        auto* action = find<QAction>(id);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->shortcut(), QKeySequence(keys));
        EXPECT_FALSE(action->associatedObjects().isEmpty()) << "it is in a menu";
    }

    t.prompter.choose(QString()).choose(QString());
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(t.prompter.boxes(),
        test::Boxes({ test::infoBox(u"Settings Saved        "_s), test::infoBox(u"Settings Loaded        "_s),
            test::infoBox(u"No help at this time        "_s) }));
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

    auto* rcon = find<QLineEdit>(u"txtAdministration_13"_s);
    QTest::keyClicks(rcon, "s3cret");
    auto* toggle = rcon->findChild<QAction*>(u"actShowPassword"_s);
    ASSERT_NE(toggle, nullptr);
    EXPECT_TRUE(rcon->actions().contains(toggle));
    toggle->trigger();
    EXPECT_EQ(std::pair(rcon->echoMode(), rcon->text()), std::pair(QLineEdit::Normal, u"s3cret"_s));
    toggle->trigger();
    EXPECT_EQ(rcon->echoMode(), QLineEdit::Password);
    EXPECT_EQ(window.profile().text(SettingGroup::txtAdministration, 13), u"s3cret"_s);
}

TEST_F(WindowFinishTest, TheTitleNamesTheProfileAndMarksSettingsChangedSinceItsLoadOrSave)
{
    window.Form_Load();
    EXPECT_EQ(std::pair(window.windowTitle(), window.isWindowModified()),
        std::pair(u"Fortwright - Default[*]"_s, false));
    auto* host = find<QLineEdit>(u"txtAdministration_2"_s);
    QTest::keyClicks(host, "N");
    EXPECT_TRUE(window.isWindowModified());
    QTest::keyClick(host, Qt::Key_Backspace);
    EXPECT_FALSE(window.isWindowModified()) << "the same settings as loaded";

    QTest::keyClicks(host, "Night");
    const QString file = t.context.dataDir + u"/Night Games.ini"_s;
    t.prompter.choose(QString());
    window.saveProfileAs();
    EXPECT_TRUE(window.isWindowModified()) << "a cancelled save keeps the mark";
    t.prompter.choose(file);
    window.saveProfileAs();
    EXPECT_EQ(std::pair(window.windowTitle(), window.isWindowModified()),
        std::pair(u"Fortwright - Night Games[*]"_s, false));

    host->clear();
    EXPECT_TRUE(window.isWindowModified());
    t.prompter.choose(file);
    window.loadProfileFrom();
    EXPECT_EQ(std::pair(host->text(), window.isWindowModified()), std::pair(u"Night"_s, false));
    window.Form_Unload();
}

TEST_F(WindowFinishTest, TheWarningReadsOnLightAndDarkPalettes)
{
    const QPalette before = QApplication::palette();
    auto* warning = find<QLabel>(u"pnlIcon_2"_s);
    auto* header = find<QWidget>(u"pnlHeader"_s);
    auto* configs = find<QTableWidget>(u"grdAdditionalCfg"_s);
    window.model().edit(ProfileModel::Part::Configs, [](ServerProfile& profile) {
        profile.configs[0].name = u"gone.cfg"_s;
        profile.configs[0].fullPath = u"/nonexistent/gone.cfg"_s;
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
    EXPECT_TRUE(window.minimumSizeHint().boundedTo(QSize(853, 640)) == window.minimumSizeHint());
    for (int i = 0; i < 4; ++i) {
        const QPushButton* button = window.button(i);
        EXPECT_TRUE(window.rect().contains(
            button->geometry().translated(button->parentWidget()->mapTo(&window, QPoint()))))
            << i;
    }
    // The lists of the Maps tab scroll on their own.
    for (int i = 0; i < window.tabs()->count(); ++i)
        if (window.tabs()->widget(i) != window.mapsPage()) {
            EXPECT_NE(qobject_cast<QScrollArea*>(window.tabs()->widget(i)), nullptr) << i;
        }
    window.Form_Unload();
}
