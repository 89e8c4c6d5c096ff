#include "app/DesktopServices.h"
#include "app/FrmMain.h"
#include "app/QtPrompter.h"
#include "support/AppContext.h"
#include "support/Clock.h"
#include "support/DataFolder.h"
#include "support/ErrorReporter.h"
#include "support/PathHelpers.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fortwright"));
    QApplication::setOrganizationName(QStringLiteral("_DezeveRovorare"));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"), QStringLiteral("The data folder."), QStringLiteral("DIR"));
    const QCommandLineOption gameDir(
        QStringLiteral("game-dir"), QStringLiteral("The game folder."), QStringLiteral("DIR"));
    parser.addOptions({ dataDir, gameDir });
    parser.process(app);

    fw::QtPrompter prompter;
    fw::DesktopServices services;
    fw::Clock clock;
    const QString data = fw::resolveDataFolder(parser.value(dataDir));
    fw::ErrorReporter errors(data, prompter, clock);
    const QString game = parser.value(gameDir);
    fw::AppContext context { data, game, fw::addSlash(game) + QStringLiteral("Main"), prompter, services,
        clock, errors };

    fw::FrmMain window(context);
    prompter.setParent(&window);
    window.show();
    return QApplication::exec();
}
