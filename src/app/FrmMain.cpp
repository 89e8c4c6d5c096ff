#include "app/FrmMain.h"

#include "app/BanListPanel.h"
#include "app/CheckCountButton.h"
#include "app/CheckWindowState.h"
#include "app/CommandDispatcher.h"
#include "app/ConfigListPanel.h"
#include "app/DangerQuestion.h"
#include "app/FrmAbout.h"
#include "app/FrmCheck.h"
#include "app/FrmMapPreview.h"
#include "app/FrmWizard.h"
#include "app/GamePage.h"
#include "app/HeaderPanel.h"
#include "app/InformationPage.h"
#include "app/LiveCheck.h"
#include "app/MainMenus.h"
#include "app/MapScanCommand.h"
#include "app/MapsPage.h"
#include "app/MiscOptionsPage.h"
#include "app/PlaceNavigator.h"
#include "app/ProfileBinder.h"
#include "app/RunPreviewPanel.h"
#include "app/ServerHosting.h"
#include "app/ServerPage.h"
#include "generate/BatchFileWriter.h"
#include "generate/MapList.h"
#include "generate/ServerConfigWriter.h"
#include "generate/ShellScriptWriter.h"
#include "maps/MapListFile.h"
#include "profile/AppState.h"
#include "profile/ListFiles.h"
#include "profile/ProfileLayout.h"
#include "profile/ProfileStore.h"
#include "server/ControlButtons.h"
#include "server/LocalAddress.h"
#include "server/ServerMessenger.h"
#include "server/hosting/ServerProgram.h"
#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "support/errors/MExceptionHandler.h"
#include "support/files/RegularFile.h"
#include "support/files/WholeFileBatch.h"
#include "support/platform/PlatformServices.h"
#include "support/platform/Prompter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTableWidget>

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace fw {
namespace {

// A page that scrolls when the window is smaller than what it holds.
QScrollArea* scrolling(QWidget* page)
{
    auto* area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

} // namespace

FrmMain::FrmMain(AppContext& context, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_mapListAhead(context)
    , m_model(context)
    , m_binder(new ProfileBinder(m_model, this))
    , m_tabs(new QTabWidget)
    , m_bans(new BanListPanel(*m_binder, context.clock, context.prompter))
    , m_configs(new ConfigListPanel(*m_binder, context))
    , m_maps(new MapsPage(m_model, context))
    , m_check(new LiveCheck(
          m_model,
          [this]() -> const MapCatalogue* {
              return m_maps->catalogue().isEmpty() ? nullptr : &m_maps->catalogue();
          },
          this))
    , m_hosting(std::make_unique<ServerHosting>(context, m_model.profile(), this))
    , m_runPreview(new RunPreviewPanel(m_model, context))
    , m_messenger(std::make_unique<ServerMessenger>(m_model.profile(), context))
    , m_controls(std::make_unique<ControlButtons>(
          m_model.profile(), context, *m_messenger, RunHosting { &m_hosting->server(), {} }))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Fortwright"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/fortwright.svg")));

    // The window is left through Exit, which saves its lists. Without the customising hint a
    // window manager draws a close box all the same, one that does nothing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinMaxButtonsHint);
    m_tabs->setObjectName(QStringLiteral("tabMain"));
    auto* serverPage = new ServerPage(*m_binder);
    connect(serverPage->localAddressButton(), &QPushButton::clicked, this, &FrmMain::cmdIP_Click);
    m_tabs->addTab(scrolling(serverPage), QStringLiteral("&Server"));
    m_tabs->addTab(scrolling(new GamePage(*m_binder)), QStringLiteral("&Game"));
    // The Maps tab's lists scroll on their own but keep a width of their own; below it the tabs
    // scroll as a whole.
    m_tabs->addTab(m_maps, QStringLiteral("&Maps"));
    m_tabs->addTab(
        scrolling(new MiscOptionsPage(*m_binder, m_bans, m_configs)), QStringLiteral("Misc. &Options"));
    m_tabs->addTab(scrolling(new InformationPage), QStringLiteral("&Information"));

    m_places = std::make_unique<PlaceNavigator>(*this, *m_tabs);
    m_dispatcher = std::make_unique<CommandDispatcher>(*this, context.prompter);
    connect(&m_model, &ProfileModel::changed, this, &FrmMain::showWhetherModified);
    connect(&m_model, &ProfileModel::fieldChanged, this, &FrmMain::showWhetherModified);
    m_menus = new MainMenus(*this, [this](const QString& id) { m_dispatcher->tbrMain_ToolClick(id); });
    connect(m_maps, &MapsPage::scanRequested, this, &FrmMain::cmdMapScan_Click);
    connect(m_maps, &MapsPage::wizardRequested, this, &FrmMain::openMapWizard);

    auto* header = new HeaderPanel;
    connect(header, &HeaderPanel::warningClicked, this, &FrmMain::pnlIcon_Click);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(header);
    layout->addWidget(scrolling(m_tabs), 1);
    layout->addWidget(m_runPreview);
    layout->addWidget(makeBottomBar());
    setCentralWidget(central);
    m_hosting->showStateIn(*statusBar());
    // A logout keeps what Exit would: the lists and the position are saved while the session
    // asks, and the window unloads if the program is ended without Exit.
#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] {
        if (!m_unloading)
            saveListsAndPosition();
    });
#endif
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (!m_unloading)
            Form_Unload();
    });
    fitToScreen();
}

FrmMain::~FrmMain() = default;

void FrmMain::openLink(const QString& url)
{
    m_context.services.openUrl(url);
}

void FrmMain::exitProgram()
{
    cmdZarirEvevav_Click(0);
}

void FrmMain::scanForMaps()
{
    cmdMapScan_Click();
}

void FrmMain::saveProfileAs()
{
    const ProfileSaveOutcome saved = SaveProfile(profile(), m_context, false);
    if (!saved.path.isEmpty() && !saved.written)
        m_context.prompter.warn(saved.error);
    if (saved.written)
        rememberStoredSettings(saved.path);
}

void FrmMain::loadProfileFrom()
{
    ProfileLoadOutcome loaded;
    m_model.edit(
        ProfileModel::kAllParts, [&](ServerProfile& p) { loaded = LoadProfile(p, m_context, false); });
    if (loaded.fileRead)
        rememberStoredSettings(loaded.path);
}

void FrmMain::rememberStoredSettings(const QString& profilePath)
{
    m_storedSettings = profileValues(profile());
    setWindowTitle(kAppTitle + QStringLiteral(" - ") + QFileInfo(profilePath).completeBaseName()
        + QStringLiteral("[*]"));
    setWindowModified(false);
}

void FrmMain::showWhetherModified()
{
    if (!m_storedSettings.isEmpty())
        setWindowModified(profileValues(profile()) != m_storedSettings);
}

void FrmMain::exportShellScript()
{
    gbln_MakeLinuxFile(profile(), m_context);
}

void FrmMain::exportUnixShellScript()
{
    gbln_MakeLinuxFile(
        profile(), m_context, ShowWritten::Yes, { true, findNativeServer(m_context.gamePath) });
}

void FrmMain::exportBatchFile()
{
    gbln_MakeBatchFile(profile(), m_context);
}

void FrmMain::exportServerConfiguration()
{
    if (!mayWrite())
        return;
    fw::exportServerConfiguration(profile(), m_context);
}

void FrmMain::buildMapList()
{
    // The map-list text is built as the server configuration would carry it; nothing keeps it.
    gstr_MakeMapList(profile().rotation);
}

void FrmMain::showHelp()
{
    const QString help = m_context.dataPath(QStringLiteral("Fortwright.HLP"));
    if (QFileInfo::exists(help))
        m_context.services.openDocument(help);
    else
        m_context.prompter.inform(QStringLiteral("No help at this time") + kEightBlanks);
}

void FrmMain::showAbout()
{
    hide();
    QApplication::processEvents();
    FrmAbout about(this);
    about.exec();
    QApplication::processEvents();
    show();
}

void FrmMain::openMapWizard()
{
    if (!MapWizard::canOpen(profile(), m_context))
        return;
    auto* wizard = new FrmWizard(profile(), m_context, nullptr);
    wizard->setAttribute(Qt::WA_DeleteOnClose);
    m_wizardWindow = wizard;
    connect(wizard, &FrmWizard::finished, this, [this](const QString& savedPath) {
        if (!savedPath.isEmpty())
            m_model.edit(ProfileModel::Part::Rotation,
                [&](ServerProfile& p) { p.rotation.savedCyclePath = savedPath; });
        show();
    });
    hide();
    if (m_preview)
        m_preview->hide();
    QApplication::processEvents();
    wizard->show();
}

void FrmMain::showCheckList()
{
    if (!m_checkWindow) {
        m_checkWindow
            = new FrmCheck([this](const FindingPlace& place) { return m_places->describe(place); }, this);
        connect(m_checkWindow, &FrmCheck::placeRequested, this, [this](const FindingPlace& place) {
            m_places->goTo(place);
            // The list stays in view for the next row.
            m_checkWindow->raise();
        });
        connect(m_checkWindow, &FrmCheck::closedByUser, this,
            [this] { CheckWindowState(m_context.settingsStorePath).setOpen(false); });
        auto show = [this] { m_checkWindow->showFindings(m_check->findings()); };
        connect(m_check, &LiveCheck::findingsChanged, m_checkWindow, show);
        m_checkWindow->placeBeside(*this);
    }
    m_checkWindow->showFindings(m_check->current());
    m_checkWindow->show();
    m_checkWindow->raise();
    CheckWindowState(m_context.settingsStorePath).setOpen(true);
}

void FrmMain::showServerConsole()
{
    m_hosting->showConsole();
}

bool FrmMain::mayWrite()
{
    const QList<Finding>& findings = m_check->current();
    if (!hasDanger(findings))
        return true;
    showCheckList();
    return writeDespiteDangers(m_context.prompter, findings,
        [this](const FindingPlace& place) { return m_places->describe(place); });
}

QWidget* FrmMain::makeBottomBar()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    // The second time-out field stands outside the tabs.
    row->addWidget(m_binder->caption(field::TimeOut));
    row->addWidget(m_binder->widget(field::TimeOut));
    row->addStretch();
    m_checkCount = new CheckCountButton;
    connect(m_checkCount, &QToolButton::clicked, this, &FrmMain::showCheckList);
    connect(m_check, &LiveCheck::findingsChanged, m_checkCount,
        [this] { m_checkCount->showFindings(m_check->findings()); });
    m_checkCount->showFindings(m_check->findings());
    row->addWidget(m_checkCount);
    int index = 0;
    for (const char* caption : { "E&xit", "&Run", "R&eset", "&Default" }) {
        auto* button = new QPushButton(QString::fromLatin1(caption));
        button->setObjectName(QStringLiteral("cmdZarirEvevav_%1").arg(index));
        button->setMinimumWidth(96);
        connect(button, &QPushButton::clicked, this, [this, index] { cmdZarirEvevav_Click(index); });
        ++index;
        m_buttons.append(button);
        row->addWidget(button);
    }
    return bar;
}

void FrmMain::Form_Load()
{
    InstallExceptionHandler(m_context.errors.defaultLogPath(), m_context.clock);
    m_isLoading = true;
    try {
        m_model.edit(ProfileModel::kAllParts, [this](ServerProfile& p) { LoadProfile(p, m_context, true); });
        rememberStoredSettings(kDefaultProfileName);
        QFile layout(m_context.dataPath(QStringLiteral("MOHAALib.atb")));
        if (openRegularFile(layout))
            restoreState(layout.readAll());
        using Part = ProfileModel::Part;
        m_model.edit(Part::Fields | Part::Bans | Part::Configs,
            [this](ServerProfile& p) { ListFiles::loadSideLists(p, m_context); });
        if (QFileInfo::exists(m_context.dataPath(kMapListFileName)))
            loadAvailableMaps();
        else
            cmdMapScan_Click();
        m_model.edit(ProfileModel::Part::Rotation, [this](ServerProfile& p) {
            p.rotation.rows = ListFiles::readRotation(m_context.dataPath(kRotationListFile));
        });
        fitToScreen();
        centre();
        if (CheckWindowState(m_context.settingsStorePath).isOpen())
            showCheckList();
        // A server started by an earlier Fortwright is followed again.
        m_hosting->attach();
    } catch (const std::exception& e) {
        m_context.errors.report(QStringLiteral("frmMain::Form_Load(Sub)"), e);
    }
    m_isLoading = false;
    m_preview = new FrmMapPreview(this);
    m_preview->hide();
    connect(m_maps, &MapsPage::previewTextChanged, m_preview, &FrmMapPreview::setMapText);
}

void FrmMain::loadAvailableMaps()
{
    if (const auto catalogue = m_mapListAhead.take()) {
        m_maps->showCatalogue(*catalogue);
        // The rotation was built from the maps shown before.
        m_model.edit(ProfileModel::Part::Rotation, [](ServerProfile& p) { p.rotation.rows.clear(); });
    }
}

void FrmMain::cmdMapScan_Click()
{
    if (m_isLoading)
        return;
    switch (runMapScan(m_context, this, true)) {
    case ScanOutcome::Declined:
        break;
    case ScanOutcome::Completed:
        loadAvailableMaps();
        m_context.prompter.inform(QStringLiteral("Map Scan complete.") + kEightBlanks);
        break;
    case ScanOutcome::Failed:
        emit programEndRequested();
        break;
    }
}

void FrmMain::centre()
{
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        // A window larger than the screen keeps its title bar on it.
        move(std::max(area.x(), area.x() + (area.width() - frameGeometry().width()) / 2),
            std::max(area.y(), area.y() + (area.height() - frameGeometry().height()) / 2));
    }
}

void FrmMain::fitToScreen()
{
    // Holds the whole Server tab with the row of what Run starts and the status bar; a smaller or
    // scaled screen (a 1024x768 one) gets what it can hold, and the pages scroll.
    const QSize opening(900, 730);
    const QScreen* screen = this->screen();
    if (!screen) {
        resize(opening.expandedTo(minimumSizeHint()));
        return;
    }
    QSize frame = frameGeometry().size() - size();
    if (frame.isEmpty())
        frame = QSize(16, 48); // not yet shown: a title bar and borders
    resize(opening.boundedTo(screen->availableGeometry().size() - frame).expandedTo(minimumSizeHint()));
}

void FrmMain::Form_Unload()
{
    m_unloading = true;
    saveListsAndPosition();
    if (m_preview)
        m_preview->unload();
    UninstallExceptionHandler();
}

void FrmMain::saveListsAndPosition()
{
    try {
        writeFileWhole(m_context.dataPath(QStringLiteral("MOHAALib.atb")), saveState());
        ListFiles::saveAll(profile(), m_context);
        // Twips, the unit the position has always been kept in: 15 per pixel at 96 dots per inch.
        AppState(m_context.settingsStorePath).setWindowPosition(x() * 15.0, y() * 15.0);
    } catch (const std::exception& e) {
        m_context.errors.report(QStringLiteral("::frmMain.form_unload(sub)"), e);
    }
}

void FrmMain::unloadAll()
{
    if (m_preview)
        m_preview->unload();
    if (m_wizardWindow)
        m_wizardWindow->deleteLater();
}

void FrmMain::cmdZarirEvevav_Click(int index)
{
    try {
        switch (index) {
        case 0:
            unloadAll();
            emit exitRequested();
            break;
        case 1:
            if (!mayWrite())
                break;
            m_controls->run([this] {
                if (!isMinimized())
                    showMinimized();
            });
            break;
        case 2:
            if (m_controls->reset())
                emit restartRequested();
            break;
        case 3:
            if (m_controls->makeDefault())
                rememberStoredSettings(kDefaultProfileName);
            break;
        default:
            break;
        }
    } catch (const std::exception& e) {
        m_context.errors.report(QStringLiteral("::frmMain.cmdZarirEvevav_Click(Function)"), e);
    }
}

void FrmMain::pnlIcon_Click()
{
    // The warning matters only to a server that announces itself to the master servers.
    if (profile().isOn(SettingGroup::chkSOF2Options, 13))
        m_context.prompter.critical(HeaderPanel::warningText());
}

void FrmMain::cmdIP_Click()
{
    // Any failure has shown its box; the field is overwritten either way.
    m_model.setValue(field::ServerIp, GetLocalAddress(m_context.prompter));
    m_binder->widget(field::ServerIp)->setFocus();
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    // Only Exit closes the window; the close box is disabled.
    if (!m_unloading)
        event->ignore();
}

QPushButton* FrmMain::button(int index) const
{
    return m_buttons.value(index);
}

} // namespace fw
