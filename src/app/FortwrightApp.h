#pragma once

#include "app/DesktopServices.h"
#include "app/QtPrompter.h"
#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "support/files/DataFolder.h"
#include "support/platform/Clock.h"

#include <QObject>
#include <memory>

namespace fw {

class FrmMain;
class GuardedRoutine;

// The program: its services, the start-up that finds the game folder and runs the first map
// scan, the main window, and the restart after Reset.
class FortwrightApp : public QObject {
    Q_OBJECT
public:
    // gameDirOverride: a game folder given on the command line, used instead of the stored one.
    FortwrightApp(const SessionFolders& folders, const QString& gameDirOverride, Prompter* prompter = nullptr,
        PlatformServices* services = nullptr);
    ~FortwrightApp() override;

    // The start-up: false when the program ends before its window opens (the user cancelled
    // the choice of the game, or the first map scan failed).
    bool Main();
    // Closes the window (saving its lists) and runs the start-up again.
    void Restart();

    FrmMain* window() const { return m_window.get(); }
    AppContext& context() { return m_context; }

signals:
    // The program is to end: Exit, or a failed map scan.
    void ended(int exitCode);

private:
    // Both run their fallible statements through the start-up's routine.
    bool locateGameFolder(GuardedRoutine& routine);
    bool firstRunScan(GuardedRoutine& routine);
    void openWindow();

    QString m_gameDirOverride;
    QtPrompter m_qtPrompter;
    DesktopServices m_desktop;
    Clock m_clock;
    std::unique_ptr<ErrorReporter> m_errors;
    AppContext m_context;
    std::unique_ptr<FrmMain> m_window;
};

} // namespace fw
