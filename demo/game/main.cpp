#include "game/DemoGameFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <exception>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() != 1 || arguments.first().startsWith(QLatin1Char('-'))) {
        err << "Usage: fortwright-demo-game DIR\n"
               "Makes DIR a stand-in game folder: DIR/Main with stand-in archives and custom maps,\n"
               "DIR/MOHAA_server.exe, which starts fortwright-standin-server, and on Linux\n"
               "DIR/omohaaded, which starts fortwright-standin-omohaaded.\n";
        return 2;
    }
#ifdef Q_OS_WIN
    const QString standinName = QStringLiteral("fortwright-standin-server.exe");
#else
    const QString standinName = QStringLiteral("fortwright-standin-server");
#endif
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString standin = bin.filePath(standinName);
    const QString native = bin.filePath(QStringLiteral("fortwright-standin-omohaaded"));
    if (!QFileInfo::exists(standin))
        err << "warning: " << QDir::toNativeSeparators(standin) << " is missing; build it before Run\n";
    try {
        for (const QString& path : fw::demo::makeDemoGameFolder(arguments.first(), standin, native))
            out << QDir::toNativeSeparators(path) << '\n';
    } catch (const std::exception& e) {
        err << "fortwright-demo-game: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
