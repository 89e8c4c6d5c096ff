#include "app/FortwrightApp.h"

#include "app/FrmMain.h"
#include "app/MapScanCommand.h"
#include "app/Resources.h"
#include "profile/AppState.h"
#include "server/InterruptedSaves.h"
#include "support/errors/CErrorHandler.h"
#include "support/errors/GuardedRoutine.h"
#include "support/files/CFile.h"
#include "support/files/DataFolder.h"
#include "support/files/GameTree.h"
#include "support/files/PathHelpers.h"
#include "support/platform/OperatingSystem.h"

#include <QApplication>
#include <QFileInfo>

namespace fw {

FortwrightApp::FortwrightApp(const SessionFolders& folders, const QString& gameDirOverride,
    Prompter* prompter, PlatformServices* services)
    : m_gameDirOverride(gameDirOverride)
    , m_errors(std::make_unique<ErrorReporter>(folders.dataDir, prompter ? *prompter : m_qtPrompter, m_clock))
    , m_context { folders.dataDir, QString(), QString(), prompter ? *prompter : m_qtPrompter,
        services ? *services : m_desktop, m_clock, *m_errors, folders.settingsStore }
{
    initResources();
}

FortwrightApp::~FortwrightApp() = default;

bool FortwrightApp::Main()
{
    removeInterruptedSaves(m_context);
    // A fresh handler at every start and restart, its logs in the program's own folder.
    CErrorHandler handler(m_context.prompter, m_clock);
    handler.Init(ErrorAction::AskUser | ErrorAction::WriteLog,
        m_context.dataPath(QStringLiteral("Error Log.txt")), true, true, TracingFlag::LogFile,
        m_context.dataPath(QStringLiteral("Tracing Log.txt")));
    bool opened = false;
    try {
        GuardedRoutine routine(handler, QStringLiteral("Sub Main"));
        if (locateGameFolder(routine) && firstRunScan(routine))
            routine.statement([this] { openWindow(); });
        opened = m_window != nullptr;
    } catch (const GuardedRoutine::Left&) {
        // Abort: the start-up ends without a window.
    }
    return opened;
}

void FortwrightApp::openWindow()
{
    m_window = std::make_unique<FrmMain>(m_context);
    m_qtPrompter.setParent(m_window.get());
    connect(m_window.get(), &FrmMain::exitRequested, this, [this] {
        m_window->Form_Unload();
        m_window.release()->deleteLater();
        emit ended(0);
    });
    connect(m_window.get(), &FrmMain::restartRequested, this, &FortwrightApp::Restart, Qt::QueuedConnection);
    connect(m_window.get(), &FrmMain::programEndRequested, this, [this] { emit ended(1); });
    m_window->Form_Load();
    m_window->show();
    QApplication::processEvents();
}

void FortwrightApp::Restart()
{
    if (m_window) {
        m_window->Form_Unload();
        m_window.reset();
    }
    QApplication::processEvents();
    if (!Main())
        emit ended(1);
    QApplication::processEvents();
}

bool FortwrightApp::locateGameFolder(GuardedRoutine& routine)
{
    AppState state(m_context.settingsStorePath);
    QString gamePath = m_gameDirOverride;
    if (gamePath.isEmpty())
        routine.statement([&] { gamePath = state.gameFolder(); });
    if (gamePath.isEmpty())
        gamePath = os::gameInstallationRecord();
    if (gamePath.isEmpty())
        gamePath = defaultGameFolder();
    gamePath = cleanGameFolder(gamePath);

    const QString folder = gstr_CheckDir(gamePath, m_context.prompter);
    if (!QFileInfo::exists(folder + QStringLiteral("MOHAA_server.exe"))) {
        m_context.prompter.inform(
            QStringLiteral("Please select MOHAA_server.exe executable, this will be located ") + kEightBlanks
            + QStringLiteral("\r\nin your Medal of Honor folder.") + kEightBlanks
            + QStringLiteral("\r\nFortwright will then scan for installed maps, please be patient"));
        FileDialogRequest request;
        request.open = true;
        request.title = QStringLiteral("Select Medal of Honor (MOHAA_server.exe)");
        request.defaultExt = QStringLiteral("exe");
        request.filter = QStringLiteral("Medal of Honor (*.exe)|*.exe");
        request.initialDir = folder;
        const QString chosen = m_context.prompter.chooseFile(request);
        if (chosen.isEmpty()) {
            m_context.prompter.warn(QStringLiteral("User cancelled!") + kEightBlanks);
            return false;
        }
        CFile file;
        file.Init(chosen);
        gamePath = addSlash(file.FilePath());
        routine.statement([&] { state.setGameFolder(gamePath); });
    }
    m_context.gamePath = gamePath;
    m_context.mainPath = gstr_CheckDir(gamePath, m_context.prompter) + mainFolderName(gamePath);
    return true;
}

bool FortwrightApp::firstRunScan(GuardedRoutine& routine)
{
    AppState state(m_context.settingsStorePath);
    bool scanned = false;
    routine.statement([&] { scanned = state.firstScanDone(); });
    if (scanned)
        return true;
    ScanOutcome outcome = ScanOutcome::Failed;
    routine.statement([&] { outcome = runMapScan(m_context, nullptr, false); });
    if (outcome != ScanOutcome::Completed)
        return false;
    routine.statement([&] { state.setFirstTime(true); });
    m_context.prompter.inform(QStringLiteral("Map Scan complete.") + kEightBlanks);
    return true;
}

} // namespace fw
