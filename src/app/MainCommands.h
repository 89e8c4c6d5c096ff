#pragma once

#include <QString>

namespace fw {

// The actions the menus and the toolbar reach, as the main window carries them out.
class MainCommands {
public:
    virtual ~MainCommands() = default;

    virtual void openLink(const QString& url) = 0;
    virtual void exitProgram() = 0;
    virtual void scanForMaps() = 0;
    virtual void saveProfileAs() = 0;
    virtual void loadProfileFrom() = 0;
    virtual void exportShellScript() = 0;
    // The shell script in the form that runs on Unix as it is, naming the game folder's server.
    virtual void exportUnixShellScript() = 0;
    virtual void exportBatchFile() = 0;
    // The configuration name's checks, then the server configuration through the save dialog.
    virtual void exportServerConfiguration() = 0;
    virtual void buildMapList() = 0;
    virtual void showHelp() = 0;
    virtual void showAbout() = 0;
    virtual void openMapWizard() = 0;
    // The pre-flight check's list.
    virtual void showCheckList() = 0;
    // The Server Console of the supervised server.
    virtual void showServerConsole() = 0;
};

} // namespace fw
