#pragma once

#include "app/FrmWizard.h"
#include "app/MainCommands.h"
#include "app/ProfileModel.h"
#include "maps/MapListPrefetch.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QPushButton;
class QTabWidget;

namespace fw {

struct AppContext;
class BanListPanel;
class CommandDispatcher;
class ControlButtons;
class ServerMessenger;
class CheckCountButton;
class ConfigListPanel;
class FrmCheck;
class LiveCheck;
class PlaceNavigator;
class FrmMapPreview;
class MainMenus;
class MapsPage;
class ProfileBinder;
class RunPreviewPanel;
class ServerHosting;

// The main window: the five tabs of settings, the second time-out field and the four buttons
// along the bottom, bound to one ServerProfile.
class FrmMain : public QMainWindow, public MainCommands {
    Q_OBJECT
public:
    explicit FrmMain(AppContext& context, QWidget* parent = nullptr);
    ~FrmMain() override;

    ProfileModel& model() { return m_model; }
    const ServerProfile& profile() const { return m_model.profile(); }
    ServerMessenger& messenger() { return *m_messenger; }

    // The window's load: the default profile, the list files, the map catalogue and the
    // rotation, in that order; the window is centred. Failures are reported once and the window
    // opens with what was applied.
    void Form_Load();
    // The window's unload: the toolbar layout, the list files and the window position.
    void Form_Unload();
    bool isLoading() const { return m_isLoading; }

    // The four buttons along the bottom: 0 Exit, 1 Run, 2 Reset, 3 Default.
    void cmdZarirEvevav_Click(int index);
    // The "Warning Please Read" panel: the q3config warning while GameSpy is on.
    void pnlIcon_Click();
    // "Get Local I.P": this computer's address into the server address field.
    void cmdIP_Click();
    // The map scan command: asks, scans, and reads the new map list.
    void cmdMapScan_Click();
    // Reads Main.efr into the tree (which empties the rotation).
    void loadAvailableMaps();
    FrmMapPreview* mapPreview() const { return m_preview; }
    FrmWizard* wizardWindow() const { return m_wizardWindow; }

    MainMenus* menus() const { return m_menus; }

    // What the commands do.
    void openLink(const QString& url) override;
    void exitProgram() override;
    void scanForMaps() override;
    void saveProfileAs() override;
    void loadProfileFrom() override;
    void exportShellScript() override;
    void exportUnixShellScript() override;
    void exportBatchFile() override;
    void exportServerConfiguration() override;
    void buildMapList() override;
    void showHelp() override;
    void showAbout() override;
    void openMapWizard() override;
    void showCheckList() override;
    void showServerConsole() override;

    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* button(int index) const;
    BanListPanel* banList() const { return m_bans; }
    ConfigListPanel* configList() const { return m_configs; }
    MapsPage* mapsPage() const { return m_maps; }
    LiveCheck& check() const { return *m_check; }
    // The pre-flight check's list, once it has been opened.
    FrmCheck* checkWindow() const { return m_checkWindow; }
    ServerHosting& hosting() const { return *m_hosting; }
    RunPreviewPanel* runPreview() const { return m_runPreview; }

signals:
    void exitRequested();
    void restartRequested();
    // A map scan failed: the program ends.
    void programEndRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeBottomBar();
    // The toolbar layout, the list files and the window position, as the unload writes them.
    void saveListsAndPosition();
    void centre();
    void fitToScreen();
    // The profile just loaded or saved: its name in the title, its values as the unmodified ones.
    void rememberStoredSettings(const QString& profilePath);
    void showWhetherModified();
    void unloadAll();
    // Before Run or Export Config writes: true unless a danger was found and the user declined.
    bool mayWrite();

    AppContext& m_context;
    // First, so that the list is read while everything after it is built.
    MapListPrefetch m_mapListAhead;
    ProfileModel m_model;
    ProfileBinder* m_binder;
    QTabWidget* m_tabs;
    BanListPanel* m_bans;
    ConfigListPanel* m_configs;
    MapsPage* m_maps;
    QList<QPushButton*> m_buttons;
    FrmMapPreview* m_preview = nullptr;
    LiveCheck* m_check;
    std::unique_ptr<PlaceNavigator> m_places;
    CheckCountButton* m_checkCount = nullptr;
    FrmCheck* m_checkWindow = nullptr; // made on first use, a child of the window
    MainMenus* m_menus = nullptr;
    QPointer<FrmWizard> m_wizardWindow;
    std::unique_ptr<CommandDispatcher> m_dispatcher;
    // Before the buttons, which start the server it supervises.
    std::unique_ptr<ServerHosting> m_hosting;
    RunPreviewPanel* m_runPreview;
    std::unique_ptr<ServerMessenger> m_messenger;
    std::unique_ptr<ControlButtons> m_controls;
    QStringList m_storedSettings;
    bool m_isLoading = false;
    bool m_unloading = false;
};

} // namespace fw
