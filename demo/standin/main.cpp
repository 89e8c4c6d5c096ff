#include "standin/StandinServer.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    fw::demo::StandinServer server(QCoreApplication::arguments(), out, err);
    if (!server.start())
        return 1;
    bool timed = false;
    const double seconds = qEnvironmentVariable("FORTWRIGHT_STANDIN_SECONDS").toDouble(&timed);
    if (timed && seconds >= 0) {
        QTimer::singleShot(int(seconds * 1000), &app, [] { QCoreApplication::quit(); });
    }
    return QCoreApplication::exec();
}
