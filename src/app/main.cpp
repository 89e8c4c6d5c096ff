#include "app/FortwrightApp.h"
#include "maps/Pk3Archive.h"
#include "support/errors/FortwrightError.h"
#include "support/files/DataFolder.h"
#include "support/platform/Prompter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    // Before anything reads the clock: archive dates are converted many times per scan.
    fw::Pk3Archive::cacheLocalTimeZone();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fortwright"));
    QApplication::setOrganizationName(QStringLiteral("_DezeveRovorare"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/fortwright.svg")));
    // Lets a Wayland desktop match the window with its installed launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(FORTWRIGHT_APP_ID));
    // The window stays open until Exit, whatever dialogs come and go before it.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Sets up and runs a Medal of Honor: Allied Assault server."));
    parser.addHelpOption();
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"), QStringLiteral("The data folder."), QStringLiteral("DIR"));
    const QCommandLineOption gameDir(QStringLiteral("game-dir"),
        QStringLiteral("The game folder, instead of the stored one."), QStringLiteral("DIR"));
    parser.addOptions({ dataDir, gameDir });
    parser.process(app);

    fw::SessionFolders folders;
    try {
        folders = fw::resolveSessionFolders(parser.value(dataDir));
    } catch (const fw::FortwrightError& e) {
        QMessageBox::critical(nullptr, fw::kAppTitle, e.description());
        return 1;
    }
    fw::FortwrightApp program(folders, parser.value(gameDir));
    QObject::connect(&program, &fw::FortwrightApp::ended, &app, [](int code) { QApplication::exit(code); });
    if (!program.Main())
        return 1;
    return QApplication::exec();
}
